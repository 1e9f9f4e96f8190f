# Run by CTest before the end-to-end tests. When they run the programs under
# Wine (QELD_LAUNCHER):
# - Wine's first start makes its prefix and says so on standard error; doing
#   that here keeps it out of the programs' output;
# - Wine's server quits a few seconds after its last program, and a program
#   that starts just then fails ("recvmsg: Connection reset by peer"); a
#   server that stays a minute after its last program outlives the test run.
if("$ENV{QELD_LAUNCHER}" STREQUAL "")
  return()
endif()

# Wine's server and helpers outlive these commands: their output goes to a
# file, not to a pipe that CTest would wait on until they end.
set(quiet OUTPUT_FILE /dev/null ERROR_FILE /dev/null)

execute_process(COMMAND "$ENV{QELD_LAUNCHER}" wineboot --init RESULT_VARIABLE result ${quiet})
if(NOT result EQUAL 0)
  message(FATAL_ERROR "$ENV{QELD_LAUNCHER} wineboot --init failed: ${result}")
endif()

find_program(wineserver NAMES wineserver wineserver64 PATHS /usr/lib/wine REQUIRED)
execute_process(COMMAND ${wineserver} -k ${quiet})
execute_process(COMMAND ${wineserver} -w ${quiet})
execute_process(COMMAND ${wineserver} -p60 RESULT_VARIABLE result ${quiet})
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${wineserver} -p60 failed: ${result}")
endif()
