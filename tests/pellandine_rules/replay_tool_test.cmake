# Runs pellandine-sim replay and position on small scripts: what each tap
# did, the slots removed, the selection and the table after it, and exit
# code 2 naming a malformed tap or a table the game never deals.
include(${CMAKE_CURRENT_LIST_DIR}/../support/sim_script.cmake)

# Pairs, straight up: 7S and 5S are no pair, 7S and 7C are; the deck tap
# moves each column's cards up and fills the bottom row from the shoe.
run_sim(ARGS replay --variation pairs --slide straight
        --deck "7S 7C 2D 3H 4S 5S 6S 8D 9D TD JD QD KD AS 2S 3S 4H 5H 6H 8H 9S"
        --moves "1,1 2,1 1,2 deck")
expect_output("start
row 1: 7S     7C     2D     3H     4S
row 2: 5S     6S     8D     9D     TD
row 3: JD     QD     KD     AS     2S
row 4: 3S     4H     5H     6H     8H
shoe: 32 cards
score: 0
cards left: 52
")
expect_output("
tap 2 2,1: selected, then dropped
removed: -
selection: 1,1
row 1: 7S*    7C     2D     3H     4S
")
expect_output("
tap 3 1,2: group removed
removed: 1,1 1,2
selection: -
row 1: --     --     2D     3H     4S
row 2: 5S     6S     8D     9D     TD
row 3: JD     QD     KD     AS     2S
row 4: 3S     4H     5H     6H     8H
shoe: 32 cards
score: 2
cards left: 50
")
expect_output("
tap 4 deck: deck tapped
removed: -
moved: 2,1>1,1 2,2>1,2 3,1>2,1 3,2>2,2 4,1>3,1 4,2>3,2
filled: 4,1 4,2
selection: -
row 1: 5S     6S     2D     3H     4S
row 2: JD     QD     8D     9D     TD
row 3: 3S     4H     KD     AS     2S
row 4: 9S     8S     5H     6H     8H
shoe: 30 cards
score: 2
cards left: 50
")

# Sum 14 has two rows; the rest of a short deck follows in new-deck order.
run_sim(ARGS replay --variation sum14 --slide zigzag --deck "KS AS QS 2S JS 3S TS 4S 9S 5S"
        --moves "1,1 1,2 1,3 1,4 deck")
expect_output("
tap 5 deck: deck tapped
removed: -
moved: -
filled: 1,1 1,2 1,3 1,4
selection: -
row 1: 6S     7S     8S     AC     JS
row 2: 3S     TS     4S     9S     5S
row 3: ..     ..     ..     ..     ..
row 4: ..     ..     ..     ..     ..
shoe: 38 cards
score: 4
cards left: 48
")

run_sim(ARGS replay --deck "AS" --moves "1,1 1,6")
expect_refusal("bad tap 2 \"1,6\": a tap is R,C (row 1 to 4, column 1 to 5), deck or space")
run_sim(ARGS replay --deck "AS" --moves "1,1 the-deck")
expect_refusal("bad tap 2 \"the-deck\"")

# A Sum 11 table set up by hand: face cards under 2C and 4D; the cards not
# named are removed already. The deck tap slides the cards up zig-zag.
set(TABLE "variation: sum11
slide: zigzag
row 1: 5S 6S JH/QD/2C 9C --
row 2: -- -- -- -- --
row 3: KS/4D -- -- -- --
row 4: -- -- -- -- 3H
shoe: 8C 9H
score: 41
taps: 1,1 1,2 1,3
taps: 1,4 deck
")
run_sim(ARGS position INPUT "${TABLE}")
expect_output("start
row 1: 5S     6S     2C+2   9C     --
row 2: --     --     --     --     --
row 3: 4D+1   --     --     --     --
row 4: --     --     --     --     3H
shoe: 2 cards
score: 41
cards left: 11
")
expect_output("
tap 4 1,4: group removed
removed: 1,3 1,4
selection: -
row 1: --     --     --     --     --
row 2: --     --     --     --     --
row 3: 4D+1   --     --     --     --
row 4: --     --     --     --     3H
shoe: 2 cards
score: 47
cards left: 5
")
string(REPLACE "score: 41" "score: 40" WRONG_SCORE "${TABLE}")
run_sim(ARGS position INPUT "${WRONG_SCORE}")
expect_refusal("the score 40 is not the 41 cards the position leaves out")
string(REPLACE "JH/QD/2C" "JH/2C/QD" FACE_ON_TOP "${TABLE}")
run_sim(ARGS position INPUT "${FACE_ON_TOP}")
expect_refusal("slot 1,3: face cards lie under a card that is no face card")
string(REPLACE "shoe: 8C 9H" "shoe: 8C 9H 5S" TWICE "${TABLE}")
run_sim(ARGS position INPUT "${TWICE}")
expect_refusal("the card 5S is given twice")
run_sim(ARGS position INPUT "variation: sum14\nrow 3: 5S 6S 2C 9C 8D\n")
expect_refusal("slot 3,1 is not on this variation's table")
run_sim(ARGS position INPUT "variation: sum14\nrow 1: 5S 6S 2C 9C\n")
expect_refusal("line 2: a row has 5 places")

# Sum 14 played for pairs only.
run_sim(ARGS --variation sum14 --strategy pairsfirst --seeds 1-20 --summary)
expect_output("strategy pairsfirst, deals 20")
