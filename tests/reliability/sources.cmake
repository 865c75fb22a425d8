list(APPEND CHKRSL_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/damage_sweep_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/example_project_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/write_faults_test.cpp)
