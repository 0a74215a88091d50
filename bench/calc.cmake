list(APPEND BENCH_SOURCES bench_calc.cpp)
