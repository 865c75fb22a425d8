list(APPEND CHKRSL_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/concrete_info_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rule_strings_test.cpp)
