list(APPEND REPORT_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/overzichtfixture.h
  ${CMAKE_CURRENT_LIST_DIR}/tst_overzicht_golden.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tst_printsettings.cpp)
