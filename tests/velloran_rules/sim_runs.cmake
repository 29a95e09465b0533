# Runs velloran-sim as the README shows it, briefly.
function(expect_refusal expected_text input)
  execute_process(COMMAND ${SIM} ${ARGN} INPUT_FILE ${input} RESULT_VARIABLE rc
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 2)
    message(FATAL_ERROR "velloran-sim ${ARGN}: exit code ${rc}, expected 2")
  endif()
  string(FIND "${err}" "${expected_text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "velloran-sim ${ARGN}: message lacks \"${expected_text}\":\n${err}")
  endif()
  set(refused_out "${out}" PARENT_SCOPE)
endfunction()

set(dir ${CMAKE_CURRENT_BINARY_DIR}/velloran_sim_runs)
file(MAKE_DIRECTORY ${dir})
file(WRITE ${dir}/empty.txt "")

# Hands: the lines before a bad one are printed, the bad one is named.
file(WRITE ${dir}/hands.txt "7S 7C 7D 4D 5D 6D 8D 9D TD KH\nAS 2S 3S QH KH AH 4C 4D 4H 9S\n7S 7C 7D 5D 6D 8D KS QS 2H 3C\n")
execute_process(COMMAND ${SIM} deadwood INPUT_FILE ${dir}/hands.txt RESULT_VARIABLE rc OUTPUT_VARIABLE out)
set(expected "10\t7S 7C 7D | TD 9D 8D | 6D 5D 4D\n30\t4C 4H 4D | 3S 2S AS\n39\t8D 7D 6D 5D\n")
if(NOT rc EQUAL 0 OR NOT out STREQUAL expected)
  message(FATAL_ERROR "velloran-sim deadwood: exit ${rc}\n${out}\nexpected\n${expected}")
endif()
file(WRITE ${dir}/bad.txt "7S 7C 7D 4D 5D 6D 8D 9D TD KH\n7S 7C ZZ 4D 5D 6D 8D 9D TD KH\n")
expect_refusal("line 2" ${dir}/bad.txt deadwood)
if(NOT refused_out STREQUAL "10\t7S 7C 7D | TD 9D 8D | 6D 5D 4D\n")
  message(FATAL_ERROR "velloran-sim deadwood: the line before the bad one was not printed:\n${refused_out}")
endif()
file(WRITE ${dir}/short.txt "7S 7C 7D\n")
expect_refusal("line 1" ${dir}/short.txt deadwood)
file(WRITE ${dir}/twice.txt "7S 7S 7D 4D 5D 6D 8D 9D TD KH\n")
expect_refusal("twice" ${dir}/twice.txt deadwood)

expect_refusal("bad levels" ${dir}/empty.txt play --levels expert,clever --games 1 --seed 1)
expect_refusal("bad deal" ${dir}/empty.txt play --levels expert,standard --games 1 --seed 1 --deal 12)
expect_refusal("needs" ${dir}/empty.txt play --levels expert,standard)
expect_refusal("unknown argument" ${dir}/empty.txt play --levels expert,standard --games 1 --seed 1 --fast)

# Whole games in both deal styles, with Hollywood scoring and hints.
foreach(args "--deal;10" "--deal;11" "--deal;10;--hollywood;--hints" "--deal;11;--points;300")
  execute_process(COMMAND ${SIM} play --levels expert,beginning --games 6 --seed 7 ${args}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT out MATCHES "6 games" OR NOT out MATCHES "95 % interval")
    message(FATAL_ERROR "velloran-sim play ${args}: exit ${rc}\n${out}\n${err}")
  endif()
endforeach()

execute_process(COMMAND ${SIM} --help RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "--turn-cap")
  message(FATAL_ERROR "velloran-sim --help: exit ${rc}\n${out}")
endif()
