list(APPEND CHKRSL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/file_identity.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_io.cpp
  ${CMAKE_CURRENT_LIST_DIR}/output_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/source.cpp
  ${CMAKE_CURRENT_LIST_DIR}/write_seam.cpp)
