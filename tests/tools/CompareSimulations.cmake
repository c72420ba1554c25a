# Runs the simulation tool twice and compares what it printed.
#   cmake -DTOOL=... -DFIRST="args" -DSECOND="args" -DEXPECT=SAME|DIFFERENT -P CompareSimulations.cmake
# Both runs must end with status 0.
separate_arguments(first_args UNIX_COMMAND "${FIRST}")
separate_arguments(second_args UNIX_COMMAND "${SECOND}")
execute_process(COMMAND ${TOOL} ${first_args} OUTPUT_VARIABLE first RESULT_VARIABLE first_status)
execute_process(COMMAND ${TOOL} ${second_args} OUTPUT_VARIABLE second RESULT_VARIABLE second_status)
if(NOT first_status EQUAL 0 OR NOT second_status EQUAL 0)
  message(FATAL_ERROR "the runs ended with ${first_status} and ${second_status}\n${first}\n${second}")
endif()
if(EXPECT STREQUAL "SAME" AND NOT first STREQUAL second)
  message(FATAL_ERROR "'${FIRST}' and '${SECOND}' printed different seasons")
elseif(EXPECT STREQUAL "DIFFERENT" AND first STREQUAL second)
  message(FATAL_ERROR "'${FIRST}' and '${SECOND}' printed the same seasons")
endif()
