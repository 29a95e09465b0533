# What the sims' script tests share, for `cmake -P` scripts given SIM (the
# tool) and WORK (a scratch folder): run the tool, then look for a piece of
# its output or of its refusal.

get_filename_component(SIM_NAME "${SIM}" NAME)

# run_sim(ARGS arg... [INPUT text]): the tool's exit code, output and error
# output land in rc, out and err; INPUT is given on its standard input.
function(run_sim)
  cmake_parse_arguments(R "" "INPUT" "ARGS" ${ARGN})
  set(input_args)
  if(DEFINED R_INPUT)
    set(input ${WORK}/${SIM_NAME}_input.txt)
    file(WRITE ${input} "${R_INPUT}")
    set(input_args INPUT_FILE ${input})
  endif()
  execute_process(COMMAND ${SIM} ${R_ARGS} ${input_args}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(rc ${rc} PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

# The run succeeded and printed `expected` somewhere.
function(expect_output expected)
  string(FIND "${out}" "${expected}" at)
  if(at EQUAL -1 OR NOT rc EQUAL 0)
    message(FATAL_ERROR "${SIM_NAME}: exit ${rc}, output lacks\n${expected}\n--- output:\n${out}\n${err}")
  endif()
endfunction()

# The run was refused with exit 2 and a message holding `expected`.
function(expect_refusal expected)
  string(FIND "${err}" "${expected}" at)
  if(NOT rc EQUAL 2 OR at EQUAL -1)
    message(FATAL_ERROR "${SIM_NAME}: exit ${rc} (expected 2), message lacks \"${expected}\":\n${err}")
  endif()
endfunction()
