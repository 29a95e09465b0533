# Runs cribbage-sim: its counts and play lines for given cards, its refusals
# (exit code 2 and a message naming the fault), and a short tournament.
include(${CMAKE_CURRENT_LIST_DIR}/../support/sim_script.cmake)

# count: the two example lines of the help, one a crib.
run_sim(ARGS count INPUT "5H 5C 5S JD | 5D\n4D 5D 7D QD | 3C crib\n4D 5D 7D QD | 3C\n")
expect_output("total=29 fifteens=8 pairs=0 pairroyals=0 dblpairroyals=1 runs=0 runlength=0 flush=0 fivecardflush=0 knobs=1\ntotal=7 fifteens=2 pairs=0 pairroyals=0 dblpairroyals=0 runs=1 runlength=3 flush=0 fivecardflush=0 knobs=0\ntotal=11 ")
run_sim(ARGS count INPUT "5H 5C 5S JD | 5D\n5H 5C 5S\n")
expect_refusal("line 2: expected 4 cards, found 3")
run_sim(ARGS count INPUT "5H 5C 5S JD | 5H\n")
expect_refusal("line 1: the card 5H is given twice")
run_sim(ARGS count INPUT "5H 5C 5S ZZ\n")
expect_refusal("line 1: card 4: \"ZZ\" is not a card")

# peg: a run of three and one of four, a go and the last card.
run_sim(ARGS peg --pone "3S 9C 5D KH" --dealer "4C 4D 6H 2S" --order "3S 4C 5D 6H 9C 2S KH 4D")
expect_output("pone 5D count=12 points=3 3 pts for a run of three\ndealer 6H count=18 points=4 4 pts for a run of four\n")
expect_output("pone go\ndealer go points=1 1 pt for a go\npone KH count=10 points=0\ndealer 4D count=14 points=1 1 pt for a go\ntotals pone=3 dealer=6\n")
run_sim(ARGS peg --pone "TS TC TD KH" --dealer "5C 5D 5H 5S" --order "TS TC 5C 5D TD KH 5H 5S")
expect_refusal("card 2 (TC): it is dealer's turn and dealer can lay, so dealer must")
run_sim(ARGS peg --pone "TS TC TD KH" --dealer "5C 5D 5H 5S" --order "TS 5C TC 5D TD 5H 5S KH")
expect_refusal("card 7 (5S): it is pone's turn")

# deal: his heels wins at once; otherwise the counts in order.
run_sim(ARGS deal --dealer blue --scores 100,119 --red "3S 9C 5D KH" --blue "4C 4D 6H 2S"
        --crib "AS 7D 8D QC" --starter JH)
expect_output("blue 2 2 points for \"His Heels\"\nwinner=blue red=100 blue=121\n")
run_sim(ARGS deal --dealer red --scores 100,110 --red "3S 9C 5D KH" --blue "4C 4D 6H 2S"
        --crib "AS 7D 8D QC" --starter JH --order "4C 3S 6H 5D 2S 9C 4D KH")
expect_output("blue 2 hand: 1 pair = 2\nred 4 hand: 2 fifteens = 4\nred 2 crib: 1 fifteen = 2\nwinner=none red=114 blue=117\n")
run_sim(ARGS deal --dealer green --scores 0,0 --red "3S 9C 5D KH" --blue "4C 4D 6H 2S"
        --crib "AS 7D 8D QC" --starter JH)
expect_refusal("--dealer must be red or blue")

# play: a short tournament of sets through the whole rules.
run_sim(ARGS play --levels expert,beginning --games 40 --seed 5 --sets)
expect_output("totals games=40")
expect_output("A (expert) wins")
run_sim(ARGS play --levels expert,clever --games 4 --seed 5)
expect_refusal("unknown level \"clever\"")
run_sim(ARGS --help)
expect_output("cribbage-sim play --levels")
