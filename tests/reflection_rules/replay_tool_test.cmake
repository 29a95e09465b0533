# Runs reflection-sim replay and position on small scripts: the table after
# each move, accepted or refused, and exit code 2 naming a malformed move or
# an impossible position.
set(NEW_DECK "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD")

include(${CMAKE_CURRENT_LIST_DIR}/../support/sim_script.cmake)

# The new deck's order: 5S parked, 6S onto the three's sequence, a deal
# with a card waiting refused, undo and redo, 5S refused by the twos.
run_sim(ARGS replay --deck "${NEW_DECK}"
        --moves "deal, talon 1, deal, seq 3, deal, deal, undo, redo, undo, talon 1 to seq 2")
expect_output("start
sequence 1: AS
sequence 2: 2S
sequence 3: 3S
sequence 4: 4S
talon 1: -
talon 2: -
talon 3: -
talon 4: -
kings talon: -
dealt card: -
deck: 48 cards
score: 8
")
expect_output("
move 4 seq 3: accepted
sequence 1: AS
sequence 2: 2S
sequence 3: 3S 6S
sequence 4: 4S
talon 1: 5S
talon 2: -
talon 3: -
talon 4: -
kings talon: -
dealt card: -
deck: 46 cards
score: 12
")
expect_output("
move 6 deal: refused
sequence 1: AS
sequence 2: 2S
sequence 3: 3S 6S
sequence 4: 4S
talon 1: 5S
talon 2: -
talon 3: -
talon 4: -
kings talon: -
dealt card: 7S
deck: 45 cards
score: 12
")
expect_output("
move 7 undo: accepted
sequence 1: AS
sequence 2: 2S
sequence 3: 3S 6S
sequence 4: 4S
talon 1: 5S
talon 2: -
talon 3: -
talon 4: -
kings talon: -
dealt card: -
deck: 46 cards
score: 12
")
expect_output("move 8 redo: accepted")
expect_output("
move 9 undo: accepted")
expect_output("
move 10 talon 1 to seq 2: refused
sequence 1: AS
sequence 2: 2S
sequence 3: 3S 6S
")

# Expert mode has no kings talon.
run_sim(ARGS replay --expert --deck "${NEW_DECK}" --moves "deal, kings")
expect_output("
move 2 kings: refused
sequence 1: AS
sequence 2: 2S
sequence 3: 3S
sequence 4: 4S
talon 1: -
talon 2: -
talon 3: -
talon 4: -
kings talon: not in use (expert mode)
dealt card: 5S
")

# Malformed moves are named; nothing is played.
run_sim(ARGS replay --deck "${NEW_DECK}" --moves "deal, seq 5")
expect_refusal("bad move 2 \"seq 5\": the sequence is 1 to 4")
run_sim(ARGS replay --deck "${NEW_DECK}" --moves "deal, talon 2 seq, undo")
expect_refusal("bad move 2 \"talon 2 seq\": not a move")
run_sim(ARGS replay --moves "deal")
expect_refusal("replay needs --deck")

# A position: the dealt 4H goes onto the twos, the talon's 6C onto the
# threes, and the kings talon's king waits until a sequence holds twelve
# cards. First it is refused for cards given twice.
set(POSITION "# piles bottom first, the deck top first
mode: normal
sequence 1: AS 2H 3D
sequence 2: 2S
sequence 3: 3S
sequence 4: 4S
talon 1: 7H 6C
talon 3: 9D
kings talon: KS
dealt card: 4H
deck: 5S 6S 7S 8S 9S TS JS QS AC 2C 3C 4C 5C 7C 8C 9C TC JC QC KC AH 5H 6H 8H 9H TH JH QH KH AD 2D 4D 5D 6D 7D 8D TD JD QD KD 3H 3C
moves: seq 2, talon 1 seq 3
moves: kings seq 1
")
run_sim(ARGS position INPUT "${POSITION}")
expect_refusal("the card 3C is given twice")
string(REPLACE " 3H 3C" " 3H" POSITION "${POSITION}")
string(REPLACE "KD 3H" "KD 3H 4D" POSITION "${POSITION}")
run_sim(ARGS position INPUT "${POSITION}")
expect_refusal("the card 4D is given twice")
string(REPLACE "KD 3H 4D" "KD 3H" POSITION "${POSITION}")
run_sim(ARGS position INPUT "${POSITION}")
expect_output("start
sequence 1: AS 2H 3D
sequence 2: 2S
sequence 3: 3S
sequence 4: 4S
talon 1: 7H 6C
talon 2: -
talon 3: 9D
talon 4: -
kings talon: KS
dealt card: 4H
deck: 41 cards
score: 16
")
expect_output("
move 2 talon 1 seq 3: accepted
sequence 1: AS 2H 3D
sequence 2: 2S 4H
sequence 3: 3S 6C
sequence 4: 4S
talon 1: 7H
talon 2: -
talon 3: 9D
talon 4: -
kings talon: KS
dealt card: -
deck: 41 cards
score: 24
")
expect_output("move 3 kings seq 1: refused")

# Positions the game never reaches, and cards left out.
string(REPLACE "sequence 2: 2S" "sequence 2: 2S 5D" POSITION_BAD "${POSITION}")
string(REPLACE " 5D 6D" " 6D" POSITION_BAD "${POSITION_BAD}")
run_sim(ARGS position INPUT "${POSITION_BAD}")
expect_refusal("the sequence 2 cannot hold 5D")
string(REPLACE " 9S" "" POSITION_SHORT "${POSITION}")
run_sim(ARGS position INPUT "${POSITION_SHORT}")
expect_refusal("missing: 9S")
string(REPLACE "talon 3: 9D" "talon 3: KD" POSITION_KING "${POSITION}")
string(REPLACE "QD KD" "QD 9D" POSITION_KING "${POSITION_KING}")
run_sim(ARGS position INPUT "${POSITION_KING}")
expect_refusal("the talon 3 cannot hold KD")
run_sim(ARGS position INPUT "sequence 1: AS\ntalons: -\n")
expect_refusal("line 2: no item \"talons\"")
