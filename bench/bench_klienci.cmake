# The client list: load, save, list box, row click, add, search, sort.
add_executable(bench_klienci ${CMAKE_CURRENT_LIST_DIR}/bench_klienci.cpp)
target_link_libraries(bench_klienci PRIVATE lk_klienci_ui benchmark::benchmark)
