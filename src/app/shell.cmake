# main-window state and shared helpers
target_sources(ornaveld_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/helpers.h ${CMAKE_CURRENT_LIST_DIR}/helpers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainstate.h
  ${CMAKE_CURRENT_LIST_DIR}/mainstate_startup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainstate_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainstate_files.cpp)
