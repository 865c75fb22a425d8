list(APPEND CHKRSL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/chk_rsl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/composite.cpp
  ${CMAKE_CURRENT_LIST_DIR}/concrete.cpp
  ${CMAKE_CURRENT_LIST_DIR}/concrete_beam.cpp
  ${CMAKE_CURRENT_LIST_DIR}/concrete_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/eff_area.cpp
  ${CMAKE_CURRENT_LIST_DIR}/energy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/field_visitor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/open_truss.cpp
  ${CMAKE_CURRENT_LIST_DIR}/steel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/steel_family.cpp
  ${CMAKE_CURRENT_LIST_DIR}/user_section.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wall.cpp)
