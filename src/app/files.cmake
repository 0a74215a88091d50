# project and settings file sources
target_sources(ornaveld_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bytes.h
  ${CMAKE_CURRENT_LIST_DIR}/fileio.h ${CMAKE_CURRENT_LIST_DIR}/fileio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/projectfile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settingsfile.cpp)
