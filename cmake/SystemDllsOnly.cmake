# System DLLs from the system folder only. Windows looks in a program's own folder first for every
# DLL it imports that is not one of the system's protected known DLLs, and a portable program is
# run from wherever it was saved. These are the DLLs the program uses that are not known DLLs on
# every Windows it supports (7 to 11: the list is a registry key and differs between versions;
# gdiplus, for one, is known to Windows 10 and 11 only). They are delay-loaded: nothing loads them
# before the entry point has narrowed the search, and the delay-load hook takes them from the
# system folder (src/core/system_libraries_win.cpp).
set(YF_DELAY_LOADED_DLLS COMCTL32 MSIMG32 WININET WINMM gdiplus)

if(MSVC)
    set(YF_SYSTEM_DLL_LIBRARIES delayimp)
    foreach(dll IN LISTS YF_DELAY_LOADED_DLLS)
        string(TOLOWER ${dll} name)
        list(APPEND YF_SYSTEM_DLL_LIBRARIES ${name})
        add_link_options(/DELAYLOAD:${dll}.dll)
    endforeach()
else()
    # MinGW-w64 ships import libraries only; dlltool makes the delay-load ones from their export
    # lists (the .def files, kept for the tests' stand-in DLLs too).
    set(YF_SYSTEM_IMPORTS_DIR ${CMAKE_BINARY_DIR}/system_imports)
    file(MAKE_DIRECTORY ${YF_SYSTEM_IMPORTS_DIR})
    set(YF_SYSTEM_DLL_LIBRARIES)
    foreach(dll IN LISTS YF_DELAY_LOADED_DLLS)
        string(TOLOWER ${dll} name)
        find_library(YF_IMPORT_LIBRARY_${name} NAMES ${name} REQUIRED NO_CACHE)
        set(import_library ${YF_IMPORT_LIBRARY_${name}})
        set(export_list ${YF_SYSTEM_IMPORTS_DIR}/${name}.def)
        set(delay_library ${YF_SYSTEM_IMPORTS_DIR}/lib${name}_delayed.a)
        if(NOT EXISTS ${delay_library} OR ${import_library} IS_NEWER_THAN ${delay_library}
           OR ${CMAKE_CURRENT_LIST_FILE} IS_NEWER_THAN ${delay_library})
            execute_process(COMMAND ${CMAKE_NM} --defined-only ${import_library}
                            OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
            string(REGEX MATCHALL " I __imp_[A-Za-z0-9_]+" imports "${symbols}")
            list(TRANSFORM imports REPLACE " I __imp_" "")
            list(REMOVE_DUPLICATES imports)
            list(SORT imports)
            list(JOIN imports "\n" exports)
            file(WRITE ${export_list} "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
            execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${export_list}
                                    --dllname ${dll}.dll --output-delaylib ${delay_library}
                            COMMAND_ERROR_IS_FATAL ANY)
        endif()
        list(APPEND YF_SYSTEM_DLL_LIBRARIES ${delay_library})
    endforeach()
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
endif()

# The program files themselves: their entry point narrows the DLL search before the C runtime
# starts, and their load configuration asks Windows 10 1607 and later to look for their imports
# in the system folder only.
function(yf_system_dlls_only target)
    if(MSVC)
        target_link_options(${target} PRIVATE /ENTRY:YfProcessStart /DEPENDENTLOADFLAG:0x800)
    else()
        target_link_options(${target} PRIVATE -Wl,--entry=YfProcessStart)
        add_custom_command(TARGET ${target} POST_BUILD
            COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/cmake/pe_load_config.py
                    $<TARGET_FILE:${target}> ${CMAKE_NM}
            VERBATIM)
    endif()
endfunction()
