// A deal's course: the deal, the discards and the starter, the play to 31,
// the three counts, the pegging and the game's end, with the status lines
// and hints each step leaves.

#include "gamekit/cards/Random.h"
#include "games/cribbage/rules/ComputerPlayer.h"
#include "games/cribbage/rules/CribbageGame.h"
#include "games/cribbage/rules/GameEmitter.h"

namespace cribbage {

using namespace detail;

// --- The flow -----------------------------------------------------------

void CribbageGame::startGame(Emitter& out, uint32_t seed, bool keepSet, int forcedDealer) {
    if (!keepSet) wins_[0] = wins_[1] = 0;
    resetDeal();
    seed_ = seed;
    shuffleShoe(out);
    const bool setInProgress =
        wins_[0] < kSetWins && wins_[1] < kSetWins && (wins_[0] > 0 || wins_[1] > 0);
    if (!setInProgress) {
        wins_[0] = wins_[1] = 0;
        nextSetDealer_ = forcedDealer >= 0 ? forcedDealer == 1 : (gamekit::nextRandom() & 1) != 0;
    }
    if (options_.multipleGames)
        computerDeals_ = nextSetDealer_;
    else
        computerDeals_ = forcedDealer >= 0 ? forcedDealer == 1 : (gamekit::nextRandom() & 1) != 0;
    openDeal(out);
    setState(out, GameState::Dealing);
    setStatus(out, kWaitingForRed);
}

void CribbageGame::dealHands(Emitter& out) {
    shoeNext_ = (dealCounter_ - 1) * kCardsPerDeal;
    for (Side side : {Side::Blue, Side::Red}) {
        Card* hand = hands_[idx(side)];
        for (int i = 0; i < 6; ++i) {
            hand[i] = Card::fromIndex(shoe_[shoeNext_++]);
            GameEvent& e = out.add(EventKind::CardDealt, side);
            e.card = hand[i];
            e.slot = static_cast<int8_t>(i);
            e.faceUp = side == Side::Red;
        }
        handSize_[idx(side)] = 6;
        discarded_[idx(side)] = false;
    }
    // The person's hand by descending rank (stable, so suits keep deal order).
    Card* red = hands_[0];
    for (int i = 1; i < 6; ++i) {
        const Card c = red[i];
        int j = i;
        for (; j > 0 && red[j - 1].rank < c.rank; --j) red[j] = red[j - 1];
        red[j] = c;
    }
    out.add(EventKind::HandSorted, Side::Red);
    hintCard_ = hintCard2_ = -1;
    if (options_.hintType > 0) workOutDiscardHint();
    setState(out, GameState::Discarding);
}

void CribbageGame::discard(Emitter& out, Side side, int first, int second) {
    const int s = idx(side);
    const int cribBase = side == Side::Red ? 0 : 2;
    Card* hand = hands_[s];
    int to = cribBase;
    for (int slot : {first, second}) {
        crib_[to] = hand[slot];
        ++cribCount_;
        GameEvent& e = out.add(EventKind::CardToCrib, side);
        e.card = hand[slot];
        e.slot = static_cast<int8_t>(slot);
        e.to = static_cast<int8_t>(to);
        ++to;
    }
    int k = 0;
    for (int i = 0; i < 6; ++i) {
        if (i != first && i != second) hand[k++] = hand[i];
    }
    hand[4] = hand[5] = kNoCard;
    handSize_[s] = 4;
    discarded_[s] = true;
    if (side == Side::Red) hintCard_ = hintCard2_ = -1;

    if (side == Side::Red && computerPlaysBlue_ && !discarded_[1]) {
        const DiscardChoice choice =
            chooseDiscards(*this, Side::Blue, options_.computerAI, true);
        ++stats_.decisions;
        discard(out, Side::Blue, choice.first, choice.second);
        return;
    }
    if (discarded_[0] && discarded_[1]) cutStarter(out);
}

void CribbageGame::cutStarter(Emitter& out) {
    setState(out, GameState::CuttingStarter);
    shoeNext_ = (dealCounter_ - 1) * kCardsPerDeal + 12;
    starter_ = Card::fromIndex(shoe_[shoeNext_++]);
    GameEvent& e = out.add(EventKind::StarterCut, dealer());
    e.card = starter_;
    e.faceUp = true;
    clearMessages(out, Side::Red);
    clearMessages(out, Side::Blue);
    const bool heels = starter_.rank == kJackRank;
    if (heels) {
        peg(out, dealer(), 2, PegReason::HisHeels, "2 points for \"His Heels\"");
        if (gameOver()) return;
    }
    if (options_.learningMessages) {
        if (heels && dealer() == Side::Red) {
            addMessage(out, Side::Red, "Select card & tap play area");
        } else {
            addMessage(out, Side::Red, "Select a card to play and");
            addMessage(out, Side::Red, "then tap the play area");
        }
    }
    setTurnStatus(out);
    workOutPlayHint();
}

void CribbageGame::revealStarter(Emitter& out) {
    setState(out, GameState::Playing);
    if (computerPlaysBlue_) runComputer(out);
    workOutPlayHint();
    setTurnStatus(out);
}

// One move of the side to play: a card (slot) or, when it cannot lay, a go.
// Both players follow the same steps, so a go point always goes to the
// player who laid the last card.
void CribbageGame::move(Emitter& out, Side side, int slot) {
    const int s = idx(side);
    clearMessages(out, side);
    if (side == Side::Red) messagesShown_[idx(Side::Blue)] = false;
    if (slot >= 0) {
        const Card card = hands_[s][slot];
        played_[s][slot] = true;
        laid_[cardsLaid_] = card;
        laidBy_[cardsLaid_] = side;
        ++cardsLaid_;
        ++cardsInCount_;
        runningCount_ += cardCountValue(card);
        GameEvent& e = out.add(EventKind::CardLaid, side);
        e.card = card;
        e.slot = static_cast<int8_t>(slot);
        e.count = runningCount_;
        e.faceUp = true;
        const PlayScore score = scorePlay(countCards(), cardsInCount_, runningCount_);
        if (score.points > 0)
            peg(out, side, score.points, PegReason::Play, score.messages[0], score.messages[1]);
        if (gameOver()) return;
        if (playOver()) {
            // The last card of the play: the go, and the play is over.
            goPending_ = false;
            peg(out, side, goPoints(runningCount_), PegReason::Go, goMessage(runningCount_));
            if (!gameOver()) setStatus(out, kTapToContinue);
            return;
        }
        if (runningCount_ == kMaxCount) {
            peg(out, side, 2, PegReason::Go, "2 pts for a go");
            if (gameOver()) return;
            runningCount_ = cardsInCount_ = 0;
            goPending_ = false;
            out.add(EventKind::CountReset, side);
        } else if (goPending_) {
            return;  // the other has said go: this side plays on
        }
    } else if (goPending_) {
        // The other said go and this side cannot lay either: its last card
        // takes the go.
        peg(out, side, 1, PegReason::Go, "1 pt for a go");
        if (gameOver()) return;
        runningCount_ = cardsInCount_ = 0;
        goPending_ = false;
        out.add(EventKind::CountReset, side);
    } else {
        goPending_ = true;
        out.add(EventKind::GoSaid, side);
        if (side == Side::Blue) addMessage(out, side, "\"go\"");
    }
    if (unplayedCount(other(side)) > 0 || goPending_) {
        redToPlay_ = other(side) == Side::Red;
    } else {
        goPending_ = true;  // the other has no cards left: this side plays on
    }
}

// The computer lays its cards until the turn comes back to the person, the
// play is over or the game is.
void CribbageGame::runComputer(Emitter& out) {
    if (state_ != GameState::Playing) return;
    bool moved = false;
    while (state_ == GameState::Playing && !playOver() && !redToPlay_) {
        if (!moved) setStatus(out, kWaitingForBlue);
        moved = true;
        int slot = -1;
        if (canLay(Side::Blue)) {
            slot = choosePlay(*this, Side::Blue, options_.computerAI);
            ++stats_.decisions;
        }
        move(out, Side::Blue, slot);
    }
    if (state_ == GameState::Playing) {
        workOutPlayHint();
        setTurnStatus(out);
    }
}

void CribbageGame::afterMove(Emitter& out) {
    if (computerPlaysBlue_) {
        runComputer(out);
    } else if (state_ == GameState::Playing) {
        workOutPlayHint();
        setTurnStatus(out);
    }
}

void CribbageGame::countNext(Emitter& out) {
    switch (state_) {
        case GameState::Playing: {
            out.add(EventKind::CardsGathered);
            // The computer's cards in order for showing.
            Card* blue = hands_[1];
            for (int i = 1; i < 4; ++i) {
                const Card c = blue[i];
                int j = i;
                for (; j > 0 && blue[j - 1].rank < c.rank; --j) blue[j] = blue[j - 1];
                blue[j] = c;
            }
            setState(out, GameState::CountingPone);
            countFor(out, pone(), false);
            break;
        }
        case GameState::CountingPone:
            setState(out, GameState::CountingDealer);
            countFor(out, dealer(), false);
            break;
        case GameState::CountingDealer:
            setState(out, GameState::CountingCrib);
            countFor(out, dealer(), true);
            break;
        case GameState::CountingCrib:
            nextDeal(out);
            break;
        default:
            break;
    }
}

void CribbageGame::countFor(Emitter& out, Side side, bool crib) {
    lastCount_ = countHand(crib ? crib_ : hands_[idx(side)], starter_, crib);
    lastCountSide_ = side;
    GameEvent& e = out.add(EventKind::HandCounted, side);
    e.crib = crib;
    e.handCount = lastCount_;
    if (lastCount_.total > 0)
        peg(out, side, lastCount_.total, crib ? PegReason::Crib : PegReason::Hand, nullptr);
}

void CribbageGame::nextDeal(Emitter& out) {
    const int wins[2] = {wins_[0], wins_[1]};
    const int scores[2] = {score_[0], score_[1]};
    const int backs[2] = {backPeg_[0], backPeg_[1]};
    const int counter = dealCounter_;
    resetDeal();
    for (int s = 0; s < 2; ++s) {
        wins_[s] = wins[s];
        score_[s] = scores[s];
        backPeg_[s] = backs[s];
    }
    computerDeals_ = !computerDeals_;
    openDeal(out);
    dealCounter_ = counter + 1;
    if (dealCounter_ > kDealsPerShuffle) {
        shuffleShoe(out);
        dealCounter_ = 1;
    }
    shoeNext_ = (dealCounter_ - 1) * kCardsPerDeal;
    setState(out, GameState::Dealing);
    setStatus(out, kWaitingForRed);
}

void CribbageGame::peg(Emitter& out, Side side, int points, PegReason reason, const char* message,
                       const char* message2) {
    if (gameOver() || points <= 0) return;
    const int s = idx(side);
    if (message) addMessage(out, side, message);
    if (message2) addMessage(out, side, message2);
    GameEvent& e = out.add(EventKind::PegMoved, side);
    e.points = points;
    e.from = score_[s];
    e.reason = reason;
    e.text = message;
    e.text2 = message2;
    backPeg_[s] = score_[s];
    score_[s] += points;
    e.count = score_[s];
    if (score_[s] >= kWinningScore) endGame(out, side);
}

void CribbageGame::endGame(Emitter& out, Side winner) {
    winner_ = winner;
    setState(out, GameState::GameOver);
    hintCard_ = hintCard2_ = -1;
    const Side loser = other(winner);
    bool setWon = false;
    const char* text;
    const char* title = "Game Over";
    if (!options_.multipleGames) {
        setStatus(out, "GAME OVER.");
        text = winner == Side::Red ? "You won!!" : "Blue wins.";
    } else {
        setStatus(out, "Tap for next game.");
        const bool lurched = score(loser) < kLurchScore;
        int& w = wins_[idx(winner)];
        w += lurched ? 2 : 1;
        if (w > kSetWins) w = kSetWins;
        setWon = w >= kSetWins;
        if (setWon) setStatus(out, "GAME SET OVER.");
        // The loser deals the next game.
        nextSetDealer_ = winner == Side::Red;
        if (winner == Side::Red) {
            if (setWon) {
                text = "You won the set of games!!";
                title = lurched ? "Game Over" : "Games Over";
            } else if (lurched) {
                text =
                    "You won!!\n\nBlue did not make 61 points and was \"lurched\" to lose two "
                    "games.\n\nTap screen after selecting 'ok' button for next game in set.";
            } else {
                text = "You won!!\n\nSelect the 'ok' button and tap screen for next game in set.";
            }
        } else {
            if (setWon) {
                title = "Games Over";
                text = lurched ? "Blue won the set of games!\n\nYou did not make 61 points and "
                                 "were \"lurched\" to lose two games!"
                               : "Blue won the set of games!\n\n";
            } else if (lurched) {
                text =
                    "Blue won this game. \n\nYou did not make 61 points and were \"lurched\" to "
                    "lose two games.\n\nTap screen after selecting 'ok' button for next game in "
                    "set.";
            } else {
                text =
                    "Blue won this game.\n\nTap screen after selecting 'ok' button for next game "
                    "in set.";
            }
        }
    }
    GameEvent& won = out.add(EventKind::GameWon, winner);
    won.setWon = setWon;
    GameEvent& box = out.add(EventKind::MessageBox, winner);
    box.text = text;
    box.title = title;
}

// The dealer chosen: pone plays first, both message lists start empty and
// Red's tells how to discard when learning messages are on.
void CribbageGame::openDeal(Emitter& out) {
    redToPlay_ = computerDeals_;
    clearMessages(out, Side::Red);
    clearMessages(out, Side::Blue);
    if (options_.learningMessages) {
        addMessage(out, Side::Red, "Select two cards to give to");
        addMessage(out, Side::Red, "crib, and then tap the crib");
    }
}

void CribbageGame::clearMessages(Emitter& out, Side side) {
    messageCount_[idx(side)] = 0;
    messagesShown_[idx(side)] = false;
    out.add(EventKind::MessagesCleared, side);
}

void CribbageGame::addMessage(Emitter& out, Side side, const char* text) {
    const int s = idx(side);
    if (messageCount_[s] == kMessageLines) {
        for (int i = 1; i < kMessageLines; ++i) messages_[s][i - 1] = messages_[s][i];
        --messageCount_[s];
    }
    messages_[s][messageCount_[s]++] = text;
    messagesShown_[s] = true;
    out.add(EventKind::Message, side).text = text;
}

void CribbageGame::setStatus(Emitter& out, const char* text) {
    status_ = text;
    out.add(EventKind::StatusLine).text = text;
}

void CribbageGame::setState(Emitter& out, GameState state) {
    state_ = state;
    out.add(EventKind::StateChanged).state = state;
}

void CribbageGame::setTurnStatus(Emitter& out) {
    if (gameOver()) return;
    if (state_ == GameState::Playing && playOver()) return;
    if (!redToPlay_) {
        setStatus(out, kWaitingForBlue);
    } else if (!canLay(Side::Red) && (state_ == GameState::Playing ||
                                      state_ == GameState::CuttingStarter)) {
        setStatus(out, goPending_ ? kTapToPegGo : kTapToSayGo);
    } else {
        setStatus(out, kWaitingForRed);
    }
}

void CribbageGame::workOutDiscardHint() {
    if (handSize(Side::Red) != 6) return;
    const DiscardChoice choice = chooseDiscards(*this, Side::Red, options_.hintType, false);
    hintCard_ = choice.first;
    hintCard2_ = choice.second;
}

// No card fits: there is nothing to suggest (the person says go).
void CribbageGame::workOutPlayHint() {
    hintCard2_ = -1;
    hintCard_ = canLay(Side::Red) ? choosePlay(*this, Side::Red, options_.hintType) : -1;
}

}  // namespace cribbage