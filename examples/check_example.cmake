# Regenerates the example project into SCRATCH and compares every file with
# the committed one in COMMITTED. EMULATOR (for example Wine) runs a
# cross-built generator.
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(COMMAND ${EMULATOR} ${GENERATOR} ${SCRATCH} example RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "generator failed: ${rc}")
endif()
file(GLOB generated RELATIVE ${SCRATCH} ${SCRATCH}/*)
file(GLOB committed RELATIVE ${COMMITTED} ${COMMITTED}/*)
list(SORT generated)
list(SORT committed)
if(NOT generated STREQUAL committed)
  message(FATAL_ERROR "file sets differ:\n generated: ${generated}\n committed: ${committed}")
endif()
foreach(f ${generated})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/${f} ${COMMITTED}/${f}
    RESULT_VARIABLE diff)
  if(NOT diff EQUAL 0)
    message(FATAL_ERROR "${f} differs from the committed example; run chkrsl_make_example examples/project example")
  endif()
endforeach()
