# Two solver runs over the same seeds print the same totals: the solver's
# budget is in positions searched, not in time. Only the time line may differ.
foreach(run 1 2)
  execute_process(COMMAND ${SIM} --strategy solver --seeds 1-30 --nodes 20000 --quiet
    RESULT_VARIABLE rc OUTPUT_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "reflection-sim run ${run}: exit code ${rc}")
  endif()
  string(REGEX REPLACE "time: [^\n]*\n" "" totals${run} "${out}")
endforeach()
if(NOT totals1 STREQUAL totals2)
  message(FATAL_ERROR "two runs differ:\n${totals1}\n---\n${totals2}")
endif()
if(NOT totals1 MATCHES "30 deals" OR NOT totals1 MATCHES "positions per deal")
  message(FATAL_ERROR "unexpected totals:\n${totals1}")
endif()
