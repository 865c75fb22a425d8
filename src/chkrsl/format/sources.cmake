list(APPEND CHKRSL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/edge_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/eff_area_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/element_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_codes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lszd_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/record_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/result_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wall_list.cpp)
