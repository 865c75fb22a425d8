list(APPEND CHKRSL_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/load_comb_text_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/purlin_data_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/purlin_samples.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_stream_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_writer_test.cpp)
