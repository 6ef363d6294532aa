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

# The program once more, built to read its web time from a page that the clock-check scripts
# serve on this port of 127.0.0.1.
set(YF_E2E_TIME_PORT 47613)
add_executable(test_program_localtime WIN32 ${CMAKE_SOURCE_DIR}/src/app/main_win.cpp ${yf_resources}
                                           ${yf_program_info})
target_link_libraries(test_program_localtime PRIVATE yf_win)
yf_wide_entry(test_program_localtime)
yf_system_dlls_only(test_program_localtime)
if(MSVC)
    target_link_options(test_program_localtime PRIVATE /MANIFEST:NO)
endif()
target_compile_definitions(test_program_localtime PRIVATE
    YF_WEB_TIME_URL=L"http://127.0.0.1:${YF_E2E_TIME_PORT}/special/time/")
foreach(time_test IN ITEMS e2e.clock_check e2e.startup_slow_page)
    if(TEST ${time_test})
        set_tests_properties(${time_test} PROPERTIES ENVIRONMENT
            "YF_TIME_PORT=${YF_E2E_TIME_PORT};YF_TIME_PROGRAM=$<TARGET_FILE:test_program_localtime>")
    endif()
endforeach()

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

# Stand-ins for the system DLLs that are not known DLLs everywhere, each exporting every name of
# the real one and leaving a marker when loaded, and a control program that imports them the
# usual way: the planted-DLL check leaves them beside a copy of the program.
if(NOT MSVC)
    set(YF_STAND_INS ${CMAKE_BINARY_DIR}/stand_ins)
    set(stand_in_targets)
    foreach(dll IN LISTS YF_DELAY_LOADED_DLLS)
        string(TOLOWER ${dll} name)
        file(STRINGS ${YF_SYSTEM_IMPORTS_DIR}/${name}.def export_lines)
        list(FILTER export_lines EXCLUDE REGEX "^(LIBRARY|EXPORTS)")
        list(TRANSFORM export_lines APPEND " = StandInExport")
        list(JOIN export_lines "\n" exports)
        set(stand_in_exports ${CMAKE_BINARY_DIR}/stand_in_exports/${name}.def)
        file(CONFIGURE OUTPUT ${stand_in_exports}
             CONTENT "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n" @ONLY)
        add_library(stand_in_${name} MODULE ${CMAKE_SOURCE_DIR}/tests/e2e/planted/stand_in_dll.c
                                            ${stand_in_exports})
        set_target_properties(stand_in_${name} PROPERTIES PREFIX "" OUTPUT_NAME ${name}
                              LIBRARY_OUTPUT_DIRECTORY ${YF_STAND_INS})
        target_link_options(stand_in_${name} PRIVATE -nostdlib -Wl,--entry=StandInEntry)
        target_link_libraries(stand_in_${name} PRIVATE kernel32)
        list(APPEND stand_in_targets stand_in_${name})
    endforeach()
    add_executable(import_all_probe WIN32 ${CMAKE_SOURCE_DIR}/tests/e2e/planted/import_all_probe.c)
    yf_wide_entry(import_all_probe)
    target_link_libraries(import_all_probe PRIVATE comctl32 gdiplus msimg32 wininet winmm)
    add_dependencies(import_all_probe ${stand_in_targets})
    if(TEST e2e.planted_dlls)
        string(TOLOWER "${YF_DELAY_LOADED_DLLS}" planted_names)
        string(REPLACE ";" "," planted_names "${planted_names}")
        set_tests_properties(e2e.planted_dlls PROPERTIES ENVIRONMENT
            "YF_STAND_INS=${YF_STAND_INS};YF_IMPORT_ALL_PROBE=$<TARGET_FILE:import_all_probe>;YF_PLANTED_NAMES=${planted_names}")
    endif()
endif()
