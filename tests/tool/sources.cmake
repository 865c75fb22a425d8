list(APPEND CHKRSL_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/commands_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/purlin_commands_test.cpp)
