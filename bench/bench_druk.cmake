# One envelope drawn to a PDF file in-process.
add_executable(bench_druk ${CMAKE_CURRENT_LIST_DIR}/bench_druk.cpp)
target_link_libraries(bench_druk PRIVATE lk_koperta_druk benchmark::benchmark)
