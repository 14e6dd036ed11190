# Envelope: decoding a logo picture and copying a profile record.
add_executable(bench_koperta ${CMAKE_CURRENT_LIST_DIR}/bench_koperta.cpp)
target_link_libraries(bench_koperta PRIVATE lk_koperta PkgConfig::TURBOJPEG benchmark::benchmark)
