list(APPEND CHKRSL_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/allocation_seam.cpp
  ${CMAKE_CURRENT_LIST_DIR}/concrete_samples.cpp
  ${CMAKE_CURRENT_LIST_DIR}/project_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scan_readers.cpp)
