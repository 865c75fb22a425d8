list(APPEND CHKRSL_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/concrete_entries_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/concurrency_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/element_readers_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/large_file_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/one_pass_readers_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/result_writer_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wall_readers_test.cpp)
