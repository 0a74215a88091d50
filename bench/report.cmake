list(APPEND BENCH_SOURCES bench_report.cpp)
