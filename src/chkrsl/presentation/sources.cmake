list(APPEND CHKRSL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/concrete_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rule_strings.cpp)
