#include "CribbageRun.h"

#include <gtest/gtest.h>

#include <cstring>

#include "gamekit/cards/CardTheme.h"
#include "gamekit/cards/Random.h"
#include "gamekit/graphics/BitmapFile.h"
#include "gamekit/settings/InstallDir.h"
#include "games/cribbage/CribbageSprites.h"
#include "games/cribbage/rules/ComputerPlayer.h"
#include "games/cribbage/table/DealSeeds.h"
#include "games/cribbage/table/TableView.h"
#include "platform/Device.h"
#include "platform/RegistryStore.h"
#include "support/DeviceRegistry.h"

namespace cribbage_e2e {

using namespace cribbage;

namespace {

const wchar_t* const kProgramKey = L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Cribbage";

// A point inside a card's picture.
std::string tapCard(ScreenPoint card, int waitMs) {
    return tap(card.x + 10, card.y + 10, waitMs);
}

}  // namespace

RunResult runCribbage(const InstalledRoot& root, const std::string& script, uint32_t tick0) {
    return testing_support::runHeadless(CRIBBAGE_PATH, root, script,
                                        {{"DECKHOLLOW_TICK0", std::to_string(tick0)}});
}

bool startedOnce(const InstalledRoot& root) {
    return root.installed() && runCribbage(root, "wait 100\n" + kEnd).exitCode == 0;
}

bool startedWithoutAnimation(const InstalledRoot& root) {
    if (!startedOnce(root)) return false;
    return testing_support::writeRegistryDword(root, kProgramKey, L"AnimationSpeed",
                                               static_cast<uint32_t>(-1));
}

Stored storedValue(const TempRoot& root, const wchar_t* name) {
    const testing_support::RegistryValue v =
        testing_support::readRegistryValue(root, kProgramKey, name);
    return Stored{v.found, static_cast<int32_t>(v.number)};
}

void storeDword(const TempRoot& root, const wchar_t* name, int32_t value) {
    ASSERT_TRUE(
        testing_support::writeRegistryDword(root, kProgramKey, name, static_cast<uint32_t>(value)));
}

std::string shot(const std::string& path) {
    return "shot " + path + "\n";
}

std::string menu(int titleX, int row) {
    return tap(titleX, 8, 100) + tap(titleX < 200 ? titleX + 10 : 200, 28 + 16 * row, 200);
}

// --- The scripted game ------------------------------------------------------

ScriptedGame::ScriptedGame(const GameOptions& options, int redWins, int blueWins, uint32_t tick0,
                           int waitMs)
    : game_((gamekit::seedRandom(tick0), nextDealSeed())), script_("wait 200\n"), wait_(waitMs) {
    game_.setComputerPlaysBlue(false);
    game_.setOptions(options);
    game_.setWins(redWins, blueWins);
}

void ScriptedGame::note(const ApplyResult& result) {
    EXPECT_TRUE(result.accepted);
    for (const GameEvent& e : result.events) {
        if (e.kind == EventKind::GoSaid) ++goes_;
        if (e.kind == EventKind::PegMoved && e.reason == PegReason::HisHeels) heels_ = true;
        if (e.kind == EventKind::MessageBox) box_ = e;
    }
}

void ScriptedGame::apply(const Action& action) {
    note(game_.apply(action));
}

void ScriptedGame::blueMoves() {
    while (game_.state() == GameState::Playing && !game_.playOver() && !game_.redToPlay()) {
        const int slot = game_.canLay(Side::Blue)
                             ? choosePlay(game_, Side::Blue, game_.options().computerAI)
                             : -1;
        apply(slot >= 0 ? Action::lay(Side::Blue, slot) : Action::go(Side::Blue));
    }
}

void ScriptedGame::pastSplash() {
    script_ += tap(120, 160, wait_);
    apply(Action::simple(ActionKind::Continue));
}

void ScriptedGame::tapDeck() {
    script_ += tapCard(deckPlace(game_.computerDeals()), 2 * wait_);
    apply(Action::newGame(nextDealSeed(), true));
    apply(Action::simple(ActionKind::Deal));
}

void ScriptedGame::toFirstDeal() {
    pastSplash();
    tapDeck();
}

void ScriptedGame::discard() {
    // A strength below 0 lays the first two cards away, as a careless player.
    const DiscardChoice red = redStrength_ < 0 ? DiscardChoice{0, 1}
                                               : chooseDiscards(game_, Side::Red, redStrength_, false);
    script_ += tapCard(handCardPlace(true, red.first, false), wait_);
    script_ += tapCard(handCardPlace(true, red.second, false), wait_);
    script_ += tapCard(cribPlace(game_.computerDeals()), 2 * wait_);
    apply(Action::discard(Side::Red, red.first, red.second));
    const DiscardChoice blue = chooseDiscards(game_, Side::Blue, game_.options().computerAI, true);
    apply(Action::discard(Side::Blue, blue.first, blue.second));
    if (game_.gameOver()) return;
    apply(Action::simple(ActionKind::RevealStarter));
    blueMoves();
}

void ScriptedGame::playOne() {
    if (game_.playOver()) {
        script_ += tap(120, 160, 2 * wait_);
        apply(Action::simple(ActionKind::CountNext));
        return;
    }
    if (game_.canLay(Side::Red)) {
        const int slot = choosePlay(game_, Side::Red, redStrength_ < 0 ? 0 : redStrength_);
        script_ += tapCard(handCardPlace(true, slot, true), wait_);
        script_ += tap(120, 160, 2 * wait_);
        apply(Action::lay(Side::Red, slot));
    } else {
        script_ += tap(120, 160, 2 * wait_);
        apply(Action::go(Side::Red));
    }
    blueMoves();
}

void ScriptedGame::playTheDeal() {
    while (game_.state() == GameState::Playing && !game_.playOver()) playOne();
}

void ScriptedGame::countNext() {
    playOne();  // the same tap anywhere
    if (game_.state() == GameState::Dealing) apply(Action::simple(ActionKind::Deal));
}

void ScriptedGame::playToGameEnd() {
    for (int guard = 0; guard < 400 && !game_.gameOver(); ++guard) {
        switch (game_.state()) {
            case GameState::Discarding:
                discard();
                break;
            case GameState::Playing:
                if (game_.playOver()) {
                    countNext();
                } else {
                    playOne();
                }
                break;
            default:
                countNext();
                break;
        }
    }
}

void ScriptedGame::afterGame() {
    script_ += tap(120, 160, 2 * wait_);
    apply(Action::newGame(nextDealSeed(), true));
    apply(Action::simple(ActionKind::Deal));
}

// --- The expected table -----------------------------------------------------

struct ExpectedTable::Pictures {
    std::vector<uint16_t> backs;
    std::vector<uint16_t> sheet;
    gamekit::GArray<gamekit::CardTheme*> themes = gamekit::makeStandardThemes();
    TableView view;
};

ExpectedTable::ExpectedTable(const TempRoot& root, int cardBack)
    : pictures_(new Pictures), cardBack_(cardBack) {
    platform::setDeviceRootForTesting(root.path());
    platform::registry::discardRegistryForTesting();
    EXPECT_TRUE(gamekit::readInstallDir());
    pictures_->backs.resize(gamekit::kBackStripWidth * gamekit::kBackStripHeight);
    pictures_->sheet.resize(cribbage_sprites::kSheetWidth * cribbage_sprites::kSheetHeight);
    EXPECT_TRUE(gamekit::loadBitmap(L"TarnwickSoftware_CardBacks.bmp", gamekit::kBackStripWidth,
                                    gamekit::kBackStripHeight, pictures_->backs.data(),
                                    gamekit::kBackStripWidth, gamekit::kBackStripHeight));
    EXPECT_TRUE(gamekit::loadBitmap(cribbage_sprites::kSheetFileWide, cribbage_sprites::kSheetWidth,
                                    cribbage_sprites::kSheetHeight, pictures_->sheet.data(),
                                    cribbage_sprites::kSheetWidth, cribbage_sprites::kSheetHeight));
    gamekit::giveStrip(pictures_->themes, pictures_->backs.data());
    platform::registry::discardRegistryForTesting();
}

ExpectedTable::~ExpectedTable() {
    gamekit::destroyThemes(pictures_->themes);
    delete pictures_;
}

std::vector<uint32_t> ExpectedTable::draw(const CribbageGame& game, GameState shown,
                                          bool multipleGames) {
    TableScene scene;
    scene.game = &game;
    scene.gameOver = game.gameOver();
    scene.state = shown;
    scene.theme = pictures_->themes[cardBack_];
    scene.sheet = pictures_->sheet.data();
    scene.sheetStride = cribbage_sprites::kSheetWidth;
    scene.setScore = multipleGames;
    scene.pegs[0] = {game.score(Side::Red), game.backPeg(Side::Red)};
    scene.pegs[1] = {game.score(Side::Blue), game.backPeg(Side::Blue)};
    gamekit::Surface surface(kScreenWidth, kScreenHeight);
    pictures_->view.draw(surface, scene);
    std::vector<uint32_t> out(static_cast<size_t>(kScreenWidth) * kScreenHeight);
    for (size_t i = 0; i < out.size(); ++i) out[i] = screenColour(surface.pixels()[i]);
    return out;
}

int differingPixels(const testing_support::PngImage& shot, const std::vector<uint32_t>& expected,
                    const ScreenBox& box) {
    if (shot.width != kScreenWidth || shot.height != kScreenHeight) return -1;
    int n = 0;
    for (int y = box.top; y <= box.bottom; ++y) {
        for (int x = box.left; x <= box.right; ++x) {
            n += shot.at(x, y) != expected[static_cast<size_t>(y) * kScreenWidth + x];
        }
    }
    return n;
}

}  // namespace cribbage_e2e
