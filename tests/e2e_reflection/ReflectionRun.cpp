#include "ReflectionRun.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <sstream>

#include "gamekit/cards/Random.h"
#include "games/reflection/rules/Commands.h"
#include "games/reflection/table/DealSeeds.h"
#include "support/DeviceRegistry.h"

namespace reflection_e2e {

namespace {

const wchar_t* const kProgramKey = L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Revoviradi";

}  // namespace

RunResult runReflection(const InstalledRoot& root, const std::string& script) {
    return testing_support::runHeadless(REFLECTION_PATH, root, script,
                                        {{"DECKHOLLOW_TICK0", std::to_string(kTick0)}});
}

StoredValue storedValue(const TempRoot& root, const wchar_t* name) {
    const testing_support::RegistryValue v =
        testing_support::readRegistryValue(root, kProgramKey, name);
    return StoredValue{v.found, v.number, v.text};
}

std::vector<int> storedList(const TempRoot& root, const wchar_t* name) {
    const StoredValue v = storedValue(root, name);
    std::vector<int> out;
    if (!v.found) return out;
    std::wistringstream in(v.text);
    int n = 0;
    while (in >> n) out.push_back(n);
    return out;
}

void storeDword(const TempRoot& root, const wchar_t* name, uint32_t value) {
    ASSERT_TRUE(testing_support::writeRegistryDword(root, kProgramKey, name, value));
}

namespace {

// Tap points inside each place of the table.
constexpr int kDeckX = 15, kDeckY = 50;
constexpr int kDealtX = 48, kDealtY = 50;
int talonX(int t) {
    return 30 + 60 * t;
}
constexpr int kTalonY = 290;
constexpr int kKingsX = 20, kKingsY = 190;
int sequenceY(int s) {
    return 50 + 47 * s;
}
constexpr int kSequenceX = 150;

}  // namespace

std::string tapsFor(const reflection::Move& m) {
    using reflection::MoveKind;
    switch (m.kind) {
        case MoveKind::DealCard:
            return tap(kDeckX, kDeckY);
        case MoveKind::DealtToTalon:
            return tap(kDealtX, kDealtY) + tap(talonX(m.to), kTalonY);
        case MoveKind::DealtToKings:
            return tap(kDealtX, kDealtY) + tap(kKingsX, kKingsY);
        case MoveKind::DealtToSequence:
            return tap(kDealtX, kDealtY) + tap(kSequenceX, sequenceY(m.to));
        case MoveKind::TalonToSequence:
            return tap(talonX(m.from), kTalonY) + tap(kSequenceX, sequenceY(m.to));
        case MoveKind::KingsToSequence:
            return tap(kKingsX, kKingsY) + tap(kSequenceX, sequenceY(m.to));
    }
    return "";
}

std::string shot(const std::string& path) {
    return "shot " + path + "\n";
}

std::string menu(int titleX, int row) {
    return tap(titleX, 8, 100) + tap(titleX < 200 ? titleX + 10 : 200, 28 + 16 * row, 200);
}

DealPredictor::DealPredictor(uint32_t tick0) {
    gamekit::seedRandom(tick0);
    reflection::shuffleAtStart(session_);
}

void DealPredictor::nextGame(bool expert) {
    session_.setExpertMode(expert, reflection::nextDealSeed(), reflection::ClockTime{});
    session_.game().dealOpeningCards();
}

std::string DealPredictor::play(const reflection::Move& move) {
    EXPECT_TRUE(session_.doCommand(reflection::makeCommand(game(), move)));
    return tapsFor(move);
}

}  // namespace reflection_e2e
