target_sources(ornaveld_cli_lib PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/cmd_pdf.cpp
  ${CMAKE_CURRENT_LIST_DIR}/application.h ${CMAKE_CURRENT_LIST_DIR}/application.cpp)
