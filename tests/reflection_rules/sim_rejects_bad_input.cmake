# Runs reflection-sim with bad input: each must end with exit code 2 and say why.
function(expect_refusal expected_text)
  execute_process(COMMAND ${SIM} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 2)
    message(FATAL_ERROR "reflection-sim ${ARGN}: exit code ${rc}, expected 2")
  endif()
  string(FIND "${err}" "${expected_text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "reflection-sim ${ARGN}: message lacks \"${expected_text}\":\n${err}")
  endif()
endfunction()

expect_refusal("is not a card" --deck "AS 2S 3S 4S ZZ")
expect_refusal("52 cards" --deck "AS 2S 3S 4S")
expect_refusal("first four" --deck "2S AS 3S 4S 5S 6S 7S 8S 9S 10S JS QS KS AC 2C 3C 4C 5C 6C 7C 8C 9C 10C JC QC KC AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH AD 2D 3D 4D 5D 6D 7D 8D 9D 10D JD QD KD")
expect_refusal("bad seed range" --seeds 9-3)
expect_refusal("unknown strategy" --strategy clever)
expect_refusal("unknown argument" --fast)

# And a good deck plays: the construction order is dealt and reported.
execute_process(COMMAND ${SIM} --deck "AS 2S 3S 4S 5S 6S 7S 8S 9S 10S JS QS KS AC 2C 3C 4C 5C 6C 7C 8C 9C 10C JC QC KC AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH AD 2D 3D 4D 5D 6D 7D 8D 9D 10D JD QD KD"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "1 deals")
  message(FATAL_ERROR "reflection-sim with a good deck: exit ${rc}\n${out}")
endif()
