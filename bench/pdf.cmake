if(ORNAVELD_GUI)
  list(APPEND BENCH_SOURCES bench_pdf.cpp)
endif()
