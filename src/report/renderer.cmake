# paged renderer
target_sources(ornaveld_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/surface.h ${CMAKE_CURRENT_LIST_DIR}/surface.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recordingsurface.h ${CMAKE_CURRENT_LIST_DIR}/recordingsurface.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drukoverzicht.h ${CMAKE_CURRENT_LIST_DIR}/drukoverzicht_p.h
  ${CMAKE_CURRENT_LIST_DIR}/drukoverzicht.cpp ${CMAKE_CURRENT_LIST_DIR}/drukoverzicht_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drukoverzicht_cb.cpp ${CMAKE_CURRENT_LIST_DIR}/drukoverzicht_li.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drukoverzicht_lw.cpp)
