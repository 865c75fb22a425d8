list(APPEND CHKRSL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/call.cpp
  ${CMAKE_CURRENT_LIST_DIR}/eff_area_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/element_readers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_index.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lszd_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/project_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/project_walk.cpp
  ${CMAKE_CURRENT_LIST_DIR}/result_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/result_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/stored_sections.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wall_readers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wanted_entries.cpp)
