list(APPEND CHKRSL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/element_readers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_scanner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_walk.cpp
  ${CMAKE_CURRENT_LIST_DIR}/record_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/result_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/result_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wall_readers.cpp)
list(APPEND CHKRSL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/entry_index.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wanted_entries.cpp)
list(APPEND CHKRSL_SOURCES ${CMAKE_CURRENT_LIST_DIR}/stored_sections.cpp)
