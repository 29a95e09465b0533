// Scripted games: the moves of a known deal made with two taps each, undo and
// redo on the keys, the score and time entered in the list, and a won game.

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <thread>

#include "ReflectionRun.h"
#include "games/reflection/rules/DealSolver.h"
#include "games/reflection/rules/GreedyPlayer.h"

using namespace reflection_e2e;
using reflection::Move;
using reflection::MoveKind;
using testing_support::PngImage;

namespace {

int countLines(const RunResult& r, const std::string& prefix) {
    int n = 0;
    for (const auto& l : r.log) n += l.rfind(prefix, 0) == 0;
    return n;
}

const std::string kCardSound =
    "sound\t\\Program Files\\Tarnwick Software\\Deckhollow\\"
    "TarnwickSoftware_Cardflick.wav";

// Past the start-up screen to the first deal of this start tick that the
// solver wins (Up deals past the others); `solved` holds its moves.
std::string toAWinnableDeal(DealPredictor& deal, reflection::SolveResult& solved) {
    std::string script = tap(120, 160, 200);
    for (int tries = 0; tries < 20; ++tries) {
        deal.nextGame();
        int codes[reflection::kDeckSize];
        for (int i = 0; i < reflection::kDeckSize; ++i) {
            codes[i] = reflection::cardCode(deal.game().deck().cards[i]);
        }
        solved = reflection::DealSolver(codes, false).solve(2000000, 5000);
        script += "key up\nwait 1000\n";
        if (solved.outcome == reflection::SolveOutcome::Won) break;
    }
    return script;
}

}  // namespace

TEST(ReflectionPlay, MovesOfTwoTapsUndoAndRedoOnTheKeysAndTheGameEntersTheList) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    DealPredictor deal;
    deal.nextGame();
    reflection::ReflectionGame& game = deal.game();

    // Greedy moves until at least 20 are made and the last put a card on a
    // sequence, so that undoing it shows in the score.
    std::string script = kStartAndDeal;
    int moves = 0;
    Move m;
    while (reflection::nextGreedyMove(game, reflection::ParkingRule::Careful, m)) {
        script += deal.play(m);
        ++moves;
        if (moves >= 20 && m.placesOnSequence()) break;
    }
    ASSERT_TRUE(m.placesOnSequence());
    const int scoreAfterMoves = game.score();
    const std::string tableShot = root.file("table.png");
    script += "wait 100\n" + shot(tableShot);

    // Left twice, Right once.
    script += "key left\nwait 100\nkey left\nwait 100\nkey right\nwait 100\n";
    ASSERT_TRUE(deal.session().undoLast());
    ASSERT_TRUE(deal.session().undoLast());
    ASSERT_TRUE(deal.session().redoNext());
    const int expected = game.score();
    ASSERT_EQ(expected, scoreAfterMoves - 4);

    // A card picked and waiting is dropped by undo and redo: the next tap on
    // the dealt card picks it afresh (highlighted) instead of aiming the old
    // pick at it.
    const bool dealNeeded = game.dealtCard() == nullptr;
    if (dealNeeded) script += deal.play(Move::dealCard());
    const std::string pickShot = root.file("picked.png");
    script +=
        tap(48, 50) + "key left\nwait 100\nkey right\nwait 100\n" + tap(48, 50) + shot(pickShot);

    // Up ends the game: it is entered in the normal list with its time.
    RunResult r = runReflection(root, script + "key up\nwait 1000\n" + kEnd);
    EXPECT_EQ(r.exitCode, 0);

    // Every move, the two undos and the redo, and the deal undone and redone
    // played the card sound: none of the scripted moves was refused.
    const int expectedSounds = moves + 3 + (dealNeeded ? 1 : 0) + 2;
    EXPECT_EQ(countLines(r, kCardSound), expectedSounds);

    const std::vector<int> scores = storedList(root, L"NormalScores");
    const std::vector<int> times = storedList(root, L"NormalTimes");
    ASSERT_EQ(scores.size(), 10u);
    ASSERT_EQ(times.size(), 10u);
    EXPECT_EQ(scores[0], expected);
    EXPECT_EQ(scores[1], 0);
    EXPECT_GT(times[0], 0);  // the virtual clock ran through every tap
    EXPECT_LT(times[0], 999);
    EXPECT_EQ(storedList(root, L"ExpertScores"), std::vector<int>(10, 0));

    PngImage table, picked;
    ASSERT_TRUE(table.load(tableShot));
    ASSERT_TRUE(picked.load(pickShot));
    // Astrology, the default theme: a navy table; a picked card has a red rim.
    EXPECT_EQ(table.at(120, 310), screenColour(0x0010));
    EXPECT_EQ(picked.at(33, 60), screenColour(0xF800));
    EXPECT_NE(table.at(33, 60), screenColour(0xF800));
}

TEST(ReflectionPlay, AWonGameEndsTheGameAndOpensTheListWithItsRowHighlighted) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    DealPredictor deal;
    reflection::SolveResult solved;
    std::string script = toAWinnableDeal(deal, solved);
    ASSERT_EQ(solved.outcome, reflection::SolveOutcome::Won);
    for (const Move& m : solved.moves) script += deal.play(m);
    ASSERT_TRUE(deal.game().isWon());
    const std::string listShot = root.file("won-list.png");
    const std::string overShot = root.file("game-over.png");
    script += "wait 200\n" + shot(listShot) + tap(190, 290, 200) + shot(overShot);
    // In GameOver the table takes no move and Left undoes nothing.
    script += "key left\nwait 100\n" + tap(150, 50) + tap(150, 100);
    // "New" after the win deals again without recording the game twice.
    RunResult r = runReflection(root, script + "key up\nwait 1000\n" + kEnd);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.logHas("messagebox\tCongratulations!\tYou made the high score list"));
    const std::vector<int> scores = storedList(root, L"NormalScores");
    ASSERT_EQ(scores.size(), 10u);
    EXPECT_EQ(scores[0], 200);
    EXPECT_EQ(scores[1], 0);
    // The sound count: every move, and nothing after the game was over.
    EXPECT_EQ(countLines(r, kCardSound), static_cast<int>(solved.moves.size()));

    PngImage list, over;
    ASSERT_TRUE(list.load(listShot));
    ASSERT_TRUE(over.load(overShot));
    EXPECT_EQ(list.at(50, 100), screenColour(0xFFE0));  // the newest row, highlighted
    EXPECT_EQ(list.at(50, 120), 0xFFFFFFu);             // no second row
    // Back on the table, every sequence is shown complete: a bar from the
    // king to the right edge.
    for (int s = 0; s < 4; ++s) EXPECT_EQ(over.at(230, 40 + 47 * s), screenColour(0xE71C));
}

// The winning move is seen before its box: behind "You made the high score
// list" the table shows every sequence complete. The list entry is written
// at once: a program killed while the box is up has it in the registry.
TEST(ReflectionPlay, TheWinIsDrawnBeforeItsBoxAndItsEntryIsWrittenAtOnce) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    DealPredictor deal;
    reflection::SolveResult solved;
    std::string script = toAWinnableDeal(deal, solved);
    ASSERT_EQ(solved.outcome, reflection::SolveOutcome::Won);
    for (size_t i = 0; i + 1 < solved.moves.size(); ++i) script += deal.play(solved.moves[i]);
    const std::string behind = root.file("behind-the-box.png");
    script += "boxshot " + behind + "\n" + deal.play(solved.moves.back()) + "realwait 30000\n";
    testing_support::BackgroundRun run(REFLECTION_PATH, root, script, "won",
                                       {{"DECKHOLLOW_TICK0", std::to_string(kTick0)}});
    // The box is up once its shot is written.
    bool boxShown = false, shot = false;
    for (int i = 0; i < 1200 && !shot; ++i) {
        for (const std::string& line : run.logSoFar()) {
            boxShown = boxShown ||
                       line == "messagebox\tCongratulations!\tYou made the high score list";
            shot = shot || line.rfind("shot\t" + behind + "\t", 0) == 0;
        }
        if (!shot) std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    ASSERT_TRUE(boxShown);
    ASSERT_TRUE(shot);
    ::kill(run.pid(), SIGKILL);
    run.finish();
    const std::vector<int> scores = storedList(root, L"NormalScores");
    ASSERT_EQ(scores.size(), 10u);
    EXPECT_EQ(scores[0], 200) << "the entry shown was not written before the program was killed";
    PngImage image;
    ASSERT_TRUE(image.load(behind));
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(image.at(230, 40 + 47 * s), screenColour(0xE71C)) << "sequence " << s + 1;
    }
}
