# The Windows side: the program, its Wine-run GoogleTest executable and the end-to-end checks.
enable_language(RC)

set(WEB_TIME_URL "http://www.baidu.com/special/time/" CACHE STRING
    "Web time page the program reads (tests point it at a local server)")

set(win_sources ${all_sources})
list(FILTER win_sources INCLUDE REGEX "_win\\.cpp$")
list(REMOVE_ITEM win_sources ${CMAKE_SOURCE_DIR}/src/app/main_win.cpp)

# MinGW is told that a program's entry point is wWinMain or wmain (-municode) and that a tool
# writes to a console (-mconsole); MSVC's linker finds the entry point by itself and is only
# given the console subsystem.
function(yf_wide_entry target)
    if(MINGW)
        target_link_options(${target} PRIVATE -municode)
    endif()
endfunction()
function(yf_console_entry target)
    if(MINGW)
        target_link_options(${target} PRIVATE -municode -mconsole)
    else()
        target_link_options(${target} PRIVATE /SUBSYSTEM:CONSOLE)
    endif()
endfunction()

set(win_definitions UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
target_compile_definitions(yf_portable PUBLIC ${win_definitions})

include(${CMAKE_CURRENT_LIST_DIR}/SystemDllsOnly.cmake)

add_library(yf_win STATIC ${win_sources})
target_link_libraries(yf_win PUBLIC yf_portable ${YF_SYSTEM_DLL_LIBRARIES} shlwapi ole32 oleaut32
                                    uuid psapi)

# Pictures, icon and sound are linked in as resources, read back as constant byte arrays.
set(yf_resources ${CMAKE_SOURCE_DIR}/src/app/resources.rc)
set_source_files_properties(${yf_resources} PROPERTIES
    OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/src/app/resource_ids.h")
if(MSVC)
    set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} /I${CMAKE_SOURCE_DIR}/assets /I${CMAKE_SOURCE_DIR}/src /c65001")
else()
    set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/assets -I${CMAKE_SOURCE_DIR}/src -c 65001")
endif()

# The program file alone carries the version resource and the application manifest.
set(yf_program_info ${CMAKE_SOURCE_DIR}/src/app/program_info.rc)
set_source_files_properties(${yf_program_info} PROPERTIES
    OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/src/app/yfshutdown.manifest")

add_executable(yfshutdown WIN32 ${CMAKE_SOURCE_DIR}/src/app/main_win.cpp ${yf_resources}
                                ${yf_program_info})
if(MSVC)
    # The manifest comes from program_info.rc; the linker's own would be a second one.
    target_link_options(yfshutdown PRIVATE /MANIFEST:NO)
endif()
target_link_libraries(yfshutdown PRIVATE yf_win)
yf_wide_entry(yfshutdown)
yf_system_dlls_only(yfshutdown)
# The URL is compiled into the entry file only, so a second build of the program for the tests
# can read a local page from the same library.
target_compile_definitions(yfshutdown PRIVATE YF_WEB_TIME_URL=L"${WEB_TIME_URL}")

# The skin gallery: every control family the engine paints, in a skinned window of its own.
set(gallery_win_sources ${gallery_all_sources})
list(FILTER gallery_win_sources INCLUDE REGEX "_win\\.cpp$")
set(gallery_resources ${CMAKE_SOURCE_DIR}/gallery/gallery.rc)
set_source_files_properties(${gallery_resources} PROPERTIES
    OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/src/app/resource_ids.h;${yf_resources}")
add_executable(skin_gallery WIN32 ${gallery_win_sources} ${gallery_resources})
target_link_libraries(skin_gallery PRIVATE yf_win)
yf_wide_entry(skin_gallery)

file(GLOB_RECURSE win_test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp)
if(win_test_sources)
    add_executable(win_tests ${win_test_sources} ${yf_resources})
    # ws2_32: the HTTP client's tests run their own little server.
    # version: the tests read the program file's version resource.
    target_link_libraries(win_tests PRIVATE yf_win GTest::gtest_main GTest::gmock ws2_32 version)
    add_dependencies(win_tests yfshutdown)
    target_include_directories(win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/win)
    gtest_discover_tests(win_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)

    # The DPI helpers once more, in a Wine prefix of their own whose screen is set to 144 DPI
    # (150 %): what they report must follow the system's setting. The other tests' prefix stays
    # at 96.
    add_test(NAME win.dpi_at_144
             COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/wine-run-at-dpi.sh 144
                     $<TARGET_FILE:win_tests>
                     --gtest_filter=WindowDpi*:SystemMetricForDpi*:AdjustWindowRectForDpi*)
    set_tests_properties(win.dpi_at_144 PROPERTIES ENVIRONMENT "YF_EXPECT_DPI=144"
                                                   RUN_SERIAL TRUE TIMEOUT 300)
endif()

include(${CMAKE_SOURCE_DIR}/tests/e2e/e2e.cmake OPTIONAL)
include(${CMAKE_SOURCE_DIR}/bench/bench.cmake OPTIONAL)
