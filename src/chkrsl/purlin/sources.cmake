list(APPEND CHKRSL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/load_comb_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/purlin_data.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_stream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_writer.cpp)
