# text overview, print settings, report sections
target_sources(ornaveld_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/reporttexts.h
  ${CMAKE_CURRENT_LIST_DIR}/overzicht_p.h
  ${CMAKE_CURRENT_LIST_DIR}/overzicht.cpp
  ${CMAKE_CURRENT_LIST_DIR}/overzicht_kind1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/overzicht_kind2.cpp
  ${CMAKE_CURRENT_LIST_DIR}/overzicht_kind3.cpp
  ${CMAKE_CURRENT_LIST_DIR}/printsettings.h
  ${CMAKE_CURRENT_LIST_DIR}/printsettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sections.h
  ${CMAKE_CURRENT_LIST_DIR}/sections.cpp)
target_sources(ornaveld_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/prnfile.h
  ${CMAKE_CURRENT_LIST_DIR}/prnfile.cpp)
