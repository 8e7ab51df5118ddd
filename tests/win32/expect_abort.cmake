# Runs PROGRAM under EMULATOR and expects it to end as abort() ends a Windows
# program (exit code 3), with no word of an exception on its way.
execute_process(COMMAND ${EMULATOR} ${PROGRAM} RESULT_VARIABLE code ERROR_VARIABLE errors OUTPUT_QUIET)
if(NOT code EQUAL 3)
  message(FATAL_ERROR "${PROGRAM} ended with ${code}, not with abort's 3:\n${errors}")
endif()
if(errors MATCHES "terminate called|what\\(\\)")
  message(FATAL_ERROR "${PROGRAM} went through the library's exception machinery:\n${errors}")
endif()
message(STATUS "${PROGRAM} ended at once with exit code 3")
