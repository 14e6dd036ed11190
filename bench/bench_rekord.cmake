# Record files: the safe save and the read of a client list and of a profile.
add_executable(bench_rekord ${CMAKE_CURRENT_LIST_DIR}/bench_rekord.cpp)
target_link_libraries(bench_rekord PRIVATE lk_common benchmark::benchmark benchmark::benchmark_main)
