# Runs TOOL (under EMULATOR, if any) with ARGS and compares its standard
# output with the file EXPECTED; the run must exit 0 and print nothing on
# standard error.
execute_process(
  COMMAND ${EMULATOR} ${TOOL} ${ARGS}
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "exit status ${status}: ${errors}")
endif()
if(NOT errors STREQUAL "")
  message(FATAL_ERROR "unexpected standard error: ${errors}")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  get_filename_component(expectedName ${EXPECTED} NAME)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${expectedName}.actual "${actual}")
  message(FATAL_ERROR "output differs from ${EXPECTED}; see ${CMAKE_CURRENT_BINARY_DIR}/${expectedName}.actual")
endif()
