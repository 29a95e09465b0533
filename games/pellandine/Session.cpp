#include "games/pellandine/Session.h"

#include "games/pellandine/TableLayout.h"

namespace pellandine {

PellandineSession::PellandineSession(uint32_t startSeed, PellandineOptions& options)
    : options_(options),
      rules_(startSeed, options.gameType,
             options.slideChallenge ? kSlideStraightUp : kSlideZigZag) {}

void PellandineSession::follow(const PlayResult& result, Announcement& announcement) {
    const ScoreOffer& offer = result.offer;
    if (offer.offered && offer.place >= 0) announcement.scoresChanged = true;
    if (result.gameWon) {
        // The finished table stays on screen under the box, then the list
        // opens and leads back to the finished table. The rules end a game
        // once, so a won game is never offered again, whichever screen the
        // player goes through afterwards.
        screens_.show(kScreenHighScores);
        screens_.setReturn(kScreenGameOver);
        announcement.presentTableFirst = true;
        if (options_.displayDialogs) announcement.message = offer.message();
        return;
    }
    if (result.dealt) {
        // An unfinished game replaced by a new one: only the box is shown
        // when it entered the list; the new deal follows at once.
        if (offer.offered && offer.place >= 0 && options_.displayDialogs) {
            announcement.message = offer.message();
        }
        screens_.show(kScreenDealing);
    }
}

PlayResult PellandineSession::newGame(uint32_t seed, Announcement& announcement) {
    rules_.setGameType(options_.gameType);
    rules_.setSlideMode(options_.slideChallenge ? kSlideStraightUp : kSlideZigZag);
    PlayResult result = rules_.newGame(seed);
    follow(result, announcement);
    return result;
}

PlayResult PellandineSession::restartGame(Announcement& announcement) {
    PlayResult result = rules_.restartGame();
    follow(result, announcement);
    return result;
}

PlayResult PellandineSession::tapTable(int x, int y, uint32_t seed, Announcement& announcement) {
    rules_.setSlideMode(options_.slideChallenge ? kSlideStraightUp : kSlideZigZag);
    if (rules_.phase() != GamePhase::Playing) rules_.setGameType(options_.gameType);
    const TableTarget target = tableTargetAt(rules_.grid(), x, y);
    PlayResult result;
    if (target.kind == TableTarget::Deck) {
        result = rules_.tapDeckOrDeal(seed);
    } else if (target.kind == TableTarget::Card) {
        result = rules_.select(target.row, target.column);
    } else {
        result = rules_.tapEmptySpace();
    }
    follow(result, announcement);
    return result;
}

PlayResult PellandineSession::penUp(bool menuOpen, Announcement& announcement) {
    if (menuOpen) return PlayResult{};
    PlayResult result = rules_.evaluateSelection();
    follow(result, announcement);
    return result;
}

void PellandineSession::dealShown() {
    if (screens_.screen() == kScreenDealing) screens_.show(kScreenPlaying);
}

bool PellandineSession::chooseVariation(int gameType, uint32_t seed, PlayResult& result,
                                        Announcement& announcement) {
    const int chosen = normalizeGameType(gameType);
    if (chosen == options_.gameType) return false;
    options_.gameType = chosen;
    const int page = screens_.screen();
    rules_.setGameType(chosen);
    result = rules_.newGame(seed);
    follow(result, announcement);
    // The page stays open; the new deal is shown when the player leaves it.
    screens_.setReturn(screens_.screen());
    screens_.show(page);
    return true;
}

void PellandineSession::toggleSlideChallenge() {
    options_.slideChallenge = !options_.slideChallenge;
    rules_.setSlideMode(options_.slideChallenge ? kSlideStraightUp : kSlideZigZag);
}

void PellandineSession::resetScores() {
    rules_.scores().resetScores(rules_.gameType());
}

}  // namespace pellandine
