list(APPEND BENCH_SOURCES bench_library.cpp)
