target_sources(ornaveld_cli_lib PRIVATE ${CMAKE_CURRENT_LIST_DIR}/cmd_results.h ${CMAKE_CURRENT_LIST_DIR}/cmd_results.cpp)
