target_sources(ornaveld_cli_lib PRIVATE ${CMAKE_CURRENT_LIST_DIR}/cmd_pdf.cpp)
