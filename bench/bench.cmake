# Benchmarks: Windows executables run under Wine by hand; they print ratios, they assert nothing.
#   scripts/wine-run.sh build/windows/skin_bench.exe
add_executable(skin_bench WIN32 ${CMAKE_SOURCE_DIR}/bench/skin_bench.cpp ${yf_resources})
target_link_libraries(skin_bench PRIVATE yf_win)
yf_console_entry(skin_bench)

#   scripts/wine-run.sh build/windows/controls_bench.exe
add_executable(controls_bench WIN32 ${CMAKE_SOURCE_DIR}/bench/controls_bench.cpp ${yf_resources})
target_link_libraries(controls_bench PRIVATE yf_win)
yf_console_entry(controls_bench)

#   bench/idle_bench.sh build/windows (the CPU an idle program costs next to plain_clock.exe)
add_executable(plain_clock WIN32 ${CMAKE_SOURCE_DIR}/bench/plain_clock.cpp ${yf_resources})
target_link_libraries(plain_clock PRIVATE yf_win)
yf_wide_entry(plain_clock)
