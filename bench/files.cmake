list(APPEND BENCH_SOURCES bench_files.cpp)
