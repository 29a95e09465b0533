// The end of a hand: deadwood worked out on the table, melds grouped and
// ungrouped, cards laid off by either side, and the hand scored and recorded.

#include <algorithm>
#include <cstdio>

#include "gamekit/cards/Random.h"
#include "games/velloran/rules/EventBuilders.h"
#include "games/velloran/rules/VelloranGame.h"

namespace velloran {

using namespace detail;

// --- Hand analysis on the table ----------------------------------------------

HandMask VelloranGame::sideMask(Side side) const {
    HandMask m = 0;
    if (side == Side::Computer) return handMask(computerHand, kComputerSlots);
    for (int i = 0; i < kPlayerSlots; ++i) {
        if (playerHand[i] != kNoCard && !selected[i]) m |= maskBit(playerHand[i]);
    }
    return m;
}

void VelloranGame::computeDeadwood(Side side, bool withMelds) {
    if (!withMelds) {
        deadwoodOf(side) = leastDeadwood(sideMask(side));
        return;
    }
    Card cards[kPlayerSlots];
    int n = 0;
    const Card* hand = handOf(side);
    for (int i = 0; i < slotsOf(side); ++i) {
        if (hand[i] == kNoCard) continue;
        if (side == Side::Player && selected[i]) continue;
        cards[n++] = hand[i];
    }
    const MeldAnalysis analysis = analyseHand(cards, n);
    bestMelds = analysis.melds;
    deadwoodOf(side) = analysis.deadwood;
}

void VelloranGame::sumDeadwood(Side side) {
    const Card* hand = handOf(side);
    int sum = 0;
    for (int i = 0; i < slotsOf(side); ++i) {
        if (hand[i] != kNoCard) sum += cardValue(hand[i]);
    }
    deadwoodOf(side) = sum;
}

void VelloranGame::packRight(Card* slots, int count) {
    for (int i = count - 1; i >= 1; --i) {
        if (slots[i] != kNoCard) continue;
        for (int j = i - 1; j >= 0; --j) {
            if (slots[j] != kNoCard) {
                slots[i] = slots[j];
                slots[j] = kNoCard;
                break;
            }
        }
    }
}

void VelloranGame::autoMeld(Side side) {
    std::vector<CardGroup>& melds = side == Side::Player ? playerMelds : computerMelds;
    if (!melds.empty()) return;
    Card* hand = handOf(side);
    for (int i = 0; i < slotsOf(side); ++i) {
        if (hand[i] != kNoCard) faceUp[hand[i]] = true;
    }
    bestMelds.clear();
    computeDeadwood(side, true);
    for (int g = 0; g < bestMelds.count; ++g) {
        const CardGroup& group = bestMelds.groups[g];
        melds.push_back(group);
        for (int i = 0; i < slotsOf(side); ++i) {
            if (hand[i] != kNoCard && group.contains(hand[i])) {
                hand[i] = kNoCard;
                if (side == Side::Player) selected[i] = false;
            }
        }
    }
    packRight(hand, slotsOf(side));
}

bool VelloranGame::createMeld() {
    if (selectedMeld >= 0 || selectedCount() < 3) return false;
    CardGroup group;
    for (int i = 0; i < kPlayerSlots; ++i) {
        if (selected[i] && playerHand[i] != kNoCard) group.push(playerHand[i]);
    }
    sortBySuitThenRank(group.cards, group.count, 0, group.count - 1, true);
    if (!isRun(group) && !isSet(group)) return false;
    for (int i = 0; i < kPlayerSlots; ++i) {
        if (selected[i]) {
            playerHand[i] = kNoCard;
            selected[i] = false;
        }
    }
    playerMelds.push_back(group);
    packRight(playerHand, kPlayerSlots);
    sumDeadwood(Side::Player);
    return true;
}

bool VelloranGame::ungroupMeld() {
    if (selectedMeld < 0 || selectedMeld >= static_cast<int>(playerMelds.size())) return false;
    const CardGroup group = playerMelds[selectedMeld];
    int slot = 0;
    for (int k = 0; k < group.count; ++k) {
        while (slot < kPlayerSlots && playerHand[slot] != kNoCard) ++slot;
        if (slot >= kPlayerSlots) break;
        playerHand[slot] = group.cards[k];
        selected[slot] = false;
    }
    packRight(playerHand, kPlayerSlots);
    playerMelds.erase(playerMelds.begin() + selectedMeld);
    selectedMeld = -1;
    sumDeadwood(Side::Player);
    return true;
}

bool VelloranGame::layOffPlayer(int target, Events* events) {
    if (target < 0 || target >= static_cast<int>(layOffTargets.size()) || selectedCount() == 0)
        return false;
    CardGroup chosen;
    CardGroup list;
    for (int i = 0; i < kPlayerSlots; ++i) {
        if (selected[i] && playerHand[i] != kNoCard) chosen.push(playerHand[i]);
    }
    const CardGroup& onto = layOffTargets[target];
    if (chosen.count + onto.count > CardGroup::kCapacity) return false;
    list = chosen;
    for (int k = 0; k < onto.count; ++k) list.push(onto.cards[k]);
    sortBySuitThenRank(list.cards, list.count, 0, list.count - 1, true);
    if (!isRun(list) && !isSet(list)) return false;
    layOffTargets[target] = list;
    playerMelds.push_back(chosen);
    for (int i = 0; i < kPlayerSlots; ++i) {
        if (selected[i]) {
            playerHand[i] = kNoCard;
            selected[i] = false;
        }
    }
    packRight(playerHand, kPlayerSlots);
    sumDeadwood(Side::Player);
    sound(events, Sound::CardFlick);
    return true;
}

namespace {

// A lay-off target as the computer sees it: a run (suit and rank range) or a
// set (its rank). Laying a card off widens a run; a set takes its rank.
struct Target {
    bool run = false;
    int suit = 0;
    int low = 0;
    int high = 0;
};

struct LayOffSearch {
    std::vector<Target> targets;
    Card cards[kComputerSlots];
    int cardCount = 0;
    int choice[kComputerSlots];  // the target of each card, -1 kept
    int bestChoice[kComputerSlots];
    int bestDeadwood = 0;
    int candidates[kComputerSlots][8];
    int candidateCount[kComputerSlots] = {};

    // Whether the cards chosen for each target can be laid off, pass by
    // pass as the table does it (a run grows one card at a time).
    int remainingDeadwood() const {
        std::vector<Target> t = targets;
        bool laid[kComputerSlots] = {};
        for (bool progress = true; progress;) {
            progress = false;
            for (int i = 0; i < cardCount; ++i) {
                if (laid[i] || choice[i] < 0) continue;
                Target& g = t[choice[i]];
                const int r = rankOf(cards[i]);
                bool fits;
                if (g.run) {
                    fits = suitOf(cards[i]) == g.suit && (r == g.high + 1 || r == g.low - 1);
                    if (fits) {
                        g.high = std::max(g.high, r);
                        g.low = std::min(g.low, r);
                    }
                } else {
                    fits = r == g.low;
                }
                if (fits) laid[i] = progress = true;
            }
        }
        int deadwood = 0;
        for (int i = 0; i < cardCount; ++i) {
            if (choice[i] >= 0 && !laid[i]) return -1;  // this choice cannot be carried out
            if (!laid[i]) deadwood += cardValue(cards[i]);
        }
        return deadwood;
    }

    void search(int i) {
        if (i == cardCount) {
            const int d = remainingDeadwood();
            if (d >= 0 && d < bestDeadwood) {
                bestDeadwood = d;
                std::copy(choice, choice + cardCount, bestChoice);
            }
            return;
        }
        for (int k = 0; k < candidateCount[i]; ++k) {
            choice[i] = candidates[i][k];
            search(i + 1);
        }
        choice[i] = -1;
        search(i + 1);
    }
};

}  // namespace

// The computer lays its deadwood off onto the person's melds. Every card
// that could join a target is tried on each target it could join, so a card
// that fits a set and a run goes where it leaves the least deadwood (8H and
// 9H onto 8S 8C 8D and 5H 6H 7H both go onto the run).
void VelloranGame::layOffComputer() {
    layOffTargets = playerMelds;
    LayOffSearch s;
    for (const CardGroup& g : layOffTargets) {
        Target t;
        if (isRun(g)) {
            t.run = true;
            t.suit = suitOf(g.cards[0]);
            t.high = rankOf(g.cards[0]);
            t.low = rankOf(g.cards[g.count - 1]);
        } else if (isSet(g)) {
            t.low = t.high = rankOf(g.cards[0]);
        } else {
            t.low = t.high = -10;  // a laid-off group: nothing joins it
        }
        s.targets.push_back(t);
    }
    int slotOf[kComputerSlots];
    for (int i = 0; i < kComputerSlots; ++i) {
        if (computerHand[i] == kNoCard) continue;
        const Card c = computerHand[i];
        const int k = s.cardCount++;
        s.cards[k] = c;
        slotOf[k] = i;
        s.choice[k] = -1;
        s.bestChoice[k] = -1;
        for (int t = 0; t < static_cast<int>(s.targets.size()) && s.candidateCount[k] < 8; ++t) {
            const Target& g = s.targets[t];
            const bool possible = g.run ? suitOf(c) == g.suit : rankOf(c) == g.low;
            if (possible) s.candidates[k][s.candidateCount[k]++] = t;
        }
        s.bestDeadwood += cardValue(c);
    }
    s.search(0);

    for (int t = 0; t < static_cast<int>(layOffTargets.size()); ++t) {
        CardGroup laid;
        for (int k = 0; k < s.cardCount; ++k) {
            if (s.bestChoice[k] == t) {
                laid.push(s.cards[k]);
                computerHand[slotOf[k]] = kNoCard;
            }
        }
        if (laid.count == 0) continue;
        sortByRank(laid.cards, laid.count, 0, laid.count - 1, true);
        CardGroup& target = layOffTargets[t];
        if (s.targets[t].run) {
            CardGroup grown = laid;
            for (int k = 0; k < target.count; ++k) grown.push(target.cards[k]);
            sortByRank(grown.cards, grown.count, 0, grown.count - 1, true);
            target = grown;
        }
        computerMelds.push_back(laid);
    }
    packRight(computerHand, kComputerSlots);
    sumDeadwood(Side::Computer);
}

// --- Scoring -------------------------------------------------------------------

void VelloranGame::resetGame() {
    scores.reset();
    playerWonHand = gamekit::nextRandom() % 31 >= 15;
}

// Only what is left in the hands counts: no card leaves a hand here, so the
// deadwood on the result screen is the deadwood of the cards shown.
void VelloranGame::scoreHand() {
    sumDeadwood(Side::Player);
    sumDeadwood(Side::Computer);
    handBonus = 0;
    playerWonHand = true;
    const bool playerEnded = playerActive;
    if (playerEnded) {
        if (playerDeadwood == 0) {
            handBonus = kGinBonus;
        } else if (playerDeadwood >= computerDeadwood) {
            playerWonHand = false;
            handBonus = kUndercutBonus;
        }
    } else {
        if (computerDeadwood == 0) {
            playerWonHand = false;
            handBonus = kGinBonus;
        } else if (computerDeadwood >= playerDeadwood) {
            handBonus = kUndercutBonus;
        } else {
            playerWonHand = false;
        }
    }
    const int winnerDeadwood = playerWonHand ? playerDeadwood : computerDeadwood;
    const int loserDeadwood = playerWonHand ? computerDeadwood : playerDeadwood;
    handScore = loserDeadwood - winnerDeadwood + handBonus;
    if (playerWonHand) {
        statusLine = playerEnded ? (playerDeadwood == 0 ? "You went 'gin'!" : "You knocked")
                                 : "Computer was 'undercut'!";
    } else {
        statusLine = !playerEnded ? (computerDeadwood == 0 ? "Computer went 'gin'!" : "Computer knocked")
                                  : "You were 'undercut'!";
    }
}

bool VelloranGame::recordHand(Events* events) {
    const bool over =
        scores.record(playerWonHand, handScore, options_.hollywood, options_.pointsToWin);
    if (over) {
        setPhase(Phase::GameOver, events);
        emit(events, Event{.kind = Event::Message,
                           .title = "GAME OVER",
                           .text = scores.gameOverText(options_.hollywood)});
    } else {
        setPhase(Phase::ScoreSheet, events);
    }
    return over;
}

HandResultLines VelloranGame::handResultLines() const {
    HandResultLines out;
    const char* playerLabel = "your deadwood";
    const char* computerLabel = "computer's deadwood";
    const bool playerEnded = playerActive;
    const int winnerDeadwood = playerWonHand ? playerDeadwood : computerDeadwood;
    const int loserDeadwood = playerWonHand ? computerDeadwood : playerDeadwood;
    char number[24];
    int y = 130;
    std::snprintf(number, sizeof number, "%d", loserDeadwood);
    out.lines.push_back({number, playerWonHand ? computerLabel : playerLabel, y});
    y += 15;
    std::snprintf(number, sizeof number, "-%d", winnerDeadwood);
    out.lines.push_back({number, playerWonHand ? playerLabel : computerLabel, y});
    const bool winnerEnded = playerWonHand == playerEnded;
    if (!winnerEnded) {
        y += 15;
        std::snprintf(number, sizeof number, "%d", handBonus);
        out.lines.push_back({number, "bonus for undercutting", y});
    }
    if (winnerEnded && winnerDeadwood == 0) {
        y += 15;
        std::snprintf(number, sizeof number, "%d", handBonus);
        out.lines.push_back({number, "bonus for 'gin'", y});
    }
    out.ruleY = y + 18;
    std::snprintf(number, sizeof number, "%d", handScore);
    out.lines.push_back({number, "total", out.ruleY + 6});
    return out;
}

}  // namespace velloran