# End-to-end checks: shell scripts start the real program under Wine and drive it from outside
# with e2e_driver.exe; screenshots land in build/windows/screenshots.
add_executable(e2e_driver ${CMAKE_SOURCE_DIR}/tests/e2e/driver/driver.cpp)
target_link_libraries(e2e_driver PRIVATE yf_win)
yf_wide_entry(e2e_driver)

set(YF_SCREENSHOTS ${CMAKE_BINARY_DIR}/screenshots)
file(GLOB e2e_scripts CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.sh)
list(FILTER e2e_scripts EXCLUDE REGEX "/common\\.sh$")
foreach(script IN LISTS e2e_scripts)
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME e2e.${name}
             COMMAND bash ${script} $<TARGET_FILE:yfshutdown> $<TARGET_FILE:e2e_driver> ${YF_SCREENSHOTS})
    set_tests_properties(e2e.${name} PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
endforeach()

# The program once more, built to read its web time from a page that the clock-check script
# serves on this port of 127.0.0.1.
set(YF_E2E_TIME_PORT 47613)
add_executable(test_program_localtime WIN32 ${CMAKE_SOURCE_DIR}/src/app/main_win.cpp ${yf_resources}
                                           ${yf_program_info})
target_link_libraries(test_program_localtime PRIVATE yf_win)
yf_wide_entry(test_program_localtime)
if(MSVC)
    target_link_options(test_program_localtime PRIVATE /MANIFEST:NO)
endif()
target_compile_definitions(test_program_localtime PRIVATE
    YF_WEB_TIME_URL=L"http://127.0.0.1:${YF_E2E_TIME_PORT}/special/time/")
if(TEST e2e.clock_check)
    set_tests_properties(e2e.clock_check PROPERTIES ENVIRONMENT
        "YF_TIME_PORT=${YF_E2E_TIME_PORT};YF_TIME_PROGRAM=$<TARGET_FILE:test_program_localtime>")
endif()

# The skin gallery is driven by a driver of its own.
add_executable(gallery_driver ${CMAKE_SOURCE_DIR}/tests/e2e/driver/gallery_driver.cpp)
target_link_libraries(gallery_driver PRIVATE yf_win)
yf_wide_entry(gallery_driver)
foreach(gallery_test IN ITEMS e2e.gallery e2e.gallery_lists)
    if(TEST ${gallery_test})
        set_tests_properties(${gallery_test} PROPERTIES ENVIRONMENT
            "YF_GALLERY=$<TARGET_FILE:skin_gallery>;YF_GALLERY_DRIVER=$<TARGET_FILE:gallery_driver>")
    endif()
endforeach()
