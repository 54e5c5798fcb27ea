# Runs `vintara-author play` on the demo course and compares its trace with
# the expected one. With the environment variable VINTARA_UPDATE_EXPECTED
# set, the expected file is written from the run instead.
#   cmake -DTOOL=... -DCONTENT=... -DEVENTS=... -DEXPECTED=... -DACTUAL=... -P play_compare.cmake
execute_process(COMMAND ${TOOL} play ${CONTENT} ${EVENTS}
                OUTPUT_VARIABLE trace ERROR_VARIABLE errors RESULT_VARIABLE status)
if(DEFINED ENV{VINTARA_UPDATE_EXPECTED})
  file(WRITE ${EXPECTED} "${trace}")
  message(STATUS "wrote ${EXPECTED}")
  return()
endif()
file(WRITE ${ACTUAL} "${trace}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "vintara-author play ended with status ${status}\n${errors}\n${trace}")
endif()
file(READ ${EXPECTED} expected)
if(NOT trace STREQUAL expected)
  execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL})
  message(FATAL_ERROR "the trace differs from ${EXPECTED} (the run's trace is in ${ACTUAL})")
endif()
