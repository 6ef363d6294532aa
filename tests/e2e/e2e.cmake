# End-to-end checks: shell scripts start the real program under Wine and drive it from outside
# with e2e_driver.exe; screenshots land in build/windows/screenshots.
add_executable(e2e_driver ${CMAKE_SOURCE_DIR}/tests/e2e/driver/driver.cpp)
target_link_libraries(e2e_driver PRIVATE yf_win)
target_link_options(e2e_driver PRIVATE -municode)

set(YF_SCREENSHOTS ${CMAKE_BINARY_DIR}/screenshots)
file(GLOB e2e_scripts CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.sh)
list(FILTER e2e_scripts EXCLUDE REGEX "/common\\.sh$")
foreach(script IN LISTS e2e_scripts)
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME e2e.${name}
             COMMAND bash ${script} $<TARGET_FILE:yfshutdown> $<TARGET_FILE:e2e_driver> ${YF_SCREENSHOTS})
    set_tests_properties(e2e.${name} PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
endforeach()
