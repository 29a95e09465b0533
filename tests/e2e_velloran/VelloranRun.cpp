#include "VelloranRun.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "gamekit/cards/Random.h"
#include "games/velloran/table/GameTable.h"
#include "games/velloran/table/TableLayout.h"
#include "support/DeviceRegistry.h"

namespace velloran_e2e {

using namespace velloran;

namespace {

const wchar_t* const kProgramKey = L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Velloran";

bool hasMessage(const Events& events) {
    return std::any_of(events.begin(), events.end(),
                       [](const Event& e) { return e.kind == Event::Message; });
}

// Taps inside each place of the table.
constexpr int kRowTapY = 285, kTopRowTapY = 50;
constexpr int kStockTapX = 92, kPileTapX = 148, kPileTapY = 167;
constexpr int kTurnTapX = 120, kTurnTapY = 242;
constexpr int kTableOkX = 120, kTableOkY = 215;
constexpr int kCreateX = 89, kMeldX = 188, kFinishX = 115, kButtonRowY = 215;
constexpr int kSheetOkX = 205, kSheetOkY = 305;
// How long the program is given after a tap: the computer's turn with its
// pauses and flights, or a deal with the computer's first turn.
constexpr int kShortWait = 300, kComputerTurnWait = 2500, kDealWait = 4000;

int groupTapX(const std::vector<CardGroup>& groups, int index) {
    int x = 0;
    for (int k = 0; k < index; ++k) x += (groups[k].count - 1) * kCardStep + kGroupGap;
    return x + 6;
}

Strategy hintRules() {
    return VelloranGame::levelStrategy(Level::Expert, true);
}

}  // namespace

RunResult runVelloran(const InstalledRoot& root, const std::string& script, uint32_t tick0) {
    if (const char* dump = std::getenv("VELLORAN_E2E_DUMP")) {
        FILE* f = std::fopen(dump, "w");
        if (f) {
            std::fputs(script.c_str(), f);
            std::fclose(f);
        }
    }
    return testing_support::runHeadless(VELLORAN_PATH, root, script,
                                        {{"DECKHOLLOW_TICK0", std::to_string(tick0)}});
}

StoredValue storedValue(const TempRoot& root, const wchar_t* name) {
    const testing_support::RegistryValue v =
        testing_support::readRegistryValue(root, kProgramKey, name);
    return StoredValue{v.found, v.number};
}

void storeDword(const TempRoot& root, const wchar_t* name, uint32_t value) {
    ASSERT_TRUE(testing_support::writeRegistryDword(root, kProgramKey, name, value));
}

std::string shotPath(const std::string& name) {
    mkdir(SHOTS_DIR, 0755);
    return std::string(SHOTS_DIR) + "/" + name + ".png";
}

std::string shot(const std::string& name) {
    return "shot " + shotPath(name) + "\n";
}

std::string menu(int titleX, int row) {
    return tap(titleX, 8, 150) + tap(titleX < 200 ? titleX + 10 : 190, 28 + 16 * row, 300);
}

TablePredictor::TablePredictor(uint32_t tick0) {
    // The program's game is made after the shell seeded the generator; its
    // first draw (the first dealer) comes from that seed.
    gamekit::seedRandom(tick0);
    game_ = VelloranGame();
    game_.shuffleAtStart(dealSeed());
}

void TablePredictor::startFirstGame() {
    EXPECT_TRUE(game_.apply(Action::withSeed(Action::NewGame, dealSeed())));
    EXPECT_TRUE(game_.apply(Action::of(Action::BeginPlay)));
}

std::string TablePredictor::tapsFor(const Action& a) const {
    const VelloranGame& g = game_;
    const bool meldRow = g.phase() == Phase::Meld || g.phase() == Phase::LayOff;
    switch (a.kind) {
        case Action::TakeStock: return tap(kStockTapX, kPileTapY, kShortWait + 500);
        case Action::TakeDiscard: return tap(kPileTapX, kPileTapY, kShortWait + 500);
        case Action::Discard: return tap(kPileTapX, kPileTapY, kComputerTurnWait);
        case Action::Pass: return tap(kTurnTapX, kTurnTapY, kComputerTurnWait);
        case Action::Knock:
        case Action::Gin: return tap(kTurnTapX, kTurnTapY, kShortWait + 500);
        case Action::TapSlot: return tap(playerSlotPlace(a.slot).x + 6, kRowTapY, kShortWait + 500);
        case Action::ToggleCard:
            return tap(kMeldSlotTapLeft + kCardStep * (a.slot - kFirstShownPlayerSlot) + 6, kRowTapY,
                       kShortWait);
        case Action::Acknowledge:
        case Action::RecordHand: return tap(kTableOkX, kTableOkY, kShortWait);
        case Action::CreateMeld:
        case Action::UngroupMeld: return tap(kCreateX, kButtonRowY, kShortWait);
        case Action::FinishMelding: return tap(kMeldX, kButtonRowY, kShortWait);
        case Action::FinishLayOff: return tap(kFinishX, kButtonRowY, kShortWait);
        case Action::LayOffOnto: return tap(groupTapX(g.layOffTargets, a.index), kTopRowTapY, kShortWait);
        case Action::SelectMeld: return tap(groupTapX(g.playerMelds, a.index), kRowTapY, kShortWait);
        case Action::NextHand: return tap(kSheetOkX, kSheetOkY, kDealWait);
        case Action::NewGame: return "key up\nwait " + std::to_string(kDealWait) + "\n";
        default: return meldRow ? "" : "";
    }
}

std::string TablePredictor::play(const Action& action) {
    std::string taps = tapsFor(action);
    // VELLORAN_E2E_TRACE: a screenshot before every action's taps, to find
    // where a run parts from the prediction.
    if (std::getenv("VELLORAN_E2E_TRACE")) {
        static int step = 0;
        taps = shot("trace-" + std::to_string(step++)) + taps;
    }
    Action a = action;
    if (a.kind == Action::NewGame || a.kind == Action::NextHand) a.seed = dealSeed();
    Events events;
    EXPECT_TRUE(game_.apply(a, &events)) << "action " << a.kind << " slot " << a.slot;
    // A message panel waits for its tap; a tied hand then deals again.
    if (hasMessage(events)) {
        taps += beforePanelTap_ + tap(120, 160, kShortWait);
        beforePanelTap_.clear();
        ++panels_;
    }
    if (game_.phase() == Phase::TiedHand) {
        EXPECT_TRUE(game_.apply(Action::withSeed(Action::ContinueAfterTie, dealSeed())));
        taps += "wait " + std::to_string(kDealWait) + "\n";
    }
    if (game_.phase() == Phase::Dealing) {
        EXPECT_TRUE(game_.apply(Action::of(Action::BeginPlay)));
    }
    return taps;
}

std::string TablePredictor::playHand(int turns, bool knockAtOnce) {
    std::string out;
    for (int turn = 0; turn < turns && game_.phase() == Phase::Play; ++turn) {
        VelloranGame trial = game_;
        if (!game_.playerActive) {
            out += play(Action::of(Action::Acknowledge));
            break;
        }
        const int n = game_.playerCardCount();
        if (game_.playerOffered()) {
            const bool take = trial.shouldTakeDiscard(Side::Player, hintRules());
            out += play(Action::of(take ? Action::TakeDiscard : Action::Pass));
            continue;
        }
        if (n == 10) {
            const bool take = trial.shouldTakeDiscard(Side::Player, hintRules());
            out += play(Action::of(take ? Action::TakeDiscard : Action::TakeStock));
            continue;
        }
        const int slot = trial.chooseDiscard(Side::Player, hintRules());
        out += play(Action::withSlot(Action::TapSlot, slot));
        if (knockAtOnce && game_.canGin()) {
            out += play(Action::of(Action::Gin));
        } else if (knockAtOnce && game_.canKnock()) {
            out += play(Action::of(Action::Knock));
        } else {
            out += play(Action::of(Action::Discard));
        }
    }
    return out;
}

std::string TablePredictor::meldEverything() {
    std::string out;
    Card hand[kPlayerSlots];
    int count = 0;
    for (int i = 0; i < kPlayerSlots; ++i) {
        if (game_.playerSlot(i) != kNoCard) hand[count++] = game_.playerSlot(i);
    }
    const MeldAnalysis best = analyseHand(hand, count);
    for (int m = 0; m < best.melds.count; ++m) {
        const CardGroup& meld = best.melds.groups[m];
        for (int k = 0; k < meld.count; ++k) {
            for (int s = 0; s < kPlayerSlots; ++s) {
                if (game_.playerSlot(s) == meld.cards[k]) out += play(Action::withSlot(Action::ToggleCard, s));
            }
        }
        out += play(Action::of(Action::CreateMeld));
    }
    out += play(Action::of(Action::FinishMelding));
    return out;
}

std::string TablePredictor::layOffEverything() {
    std::string out;
    for (bool laid = true; laid;) {
        laid = false;
        const int targets = std::min<int>(3, static_cast<int>(game_.layOffTargets.size()));
        for (int s = kFirstShownPlayerSlot; s < kPlayerSlots && !laid; ++s) {
            const Card c = game_.playerSlot(s);
            if (c == kNoCard) continue;
            for (int t = 0; t < targets && !laid; ++t) {
                VelloranGame trial = game_;
                trial.apply(Action::withSlot(Action::ToggleCard, s));
                trial.apply(Action::withIndex(Action::LayOffOnto, t));
                bool stillHeld = false;
                for (int i = 0; i < kPlayerSlots; ++i) stillHeld |= trial.playerSlot(i) == c;
                if (stillHeld) continue;
                out += play(Action::withSlot(Action::ToggleCard, s));
                out += play(Action::withIndex(Action::LayOffOnto, t));
                laid = true;
            }
        }
    }
    out += play(Action::of(Action::FinishLayOff));
    return out;
}

}  // namespace velloran_e2e
