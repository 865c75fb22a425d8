list(APPEND CHKRSL_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/concrete_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/eff_area_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lszd_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/open_truss_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/steel_family_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/steel_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/user_section_test.cpp)
