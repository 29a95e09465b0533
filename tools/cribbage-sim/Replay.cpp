// The peg and deal subcommands: a given play or deal put through the same
// rules the program uses, Blue's choices taken from the command line.

#include <cstdio>
#include <string>

#include "games/cribbage/rules/CribbageGame.h"
#include "tools/cribbage-sim/SimCommon.h"

using namespace cribbage;

namespace cribbage_sim {

namespace {

int slotOf(const CribbageGame& game, Side side, Card card) {
    const Card* hand = game.hand(side);
    for (int i = 0; i < game.handSize(side); ++i) {
        if (hand[i] == card) return i;
    }
    return -1;
}

void mustApply(CribbageGame& game, const Action& action, std::vector<GameEvent>* events) {
    ApplyResult r = game.apply(action);
    if (!r.accepted) refuse("internal: the rules refused a step of the set-up");
    if (events) events->insert(events->end(), r.events.begin(), r.events.end());
}

// Deal, both discards as given, the starter: the game is then in Playing
// (or over on his heels).
std::vector<GameEvent> startDeal(CribbageGame& game, const DealSetup& setup) {
    game.setComputerPlaysBlue(false);
    GameOptions options;
    options.learningMessages = false;
    options.multipleGames = false;
    game.setOptions(options);
    if (!game.arrangeDeal(setup)) refuse("the hands, crib and starter must be 13 different cards");
    std::vector<GameEvent> events;
    mustApply(game, Action::simple(ActionKind::Deal), &events);
    for (Side side : {Side::Red, Side::Blue}) {
        const int base = side == Side::Red ? 0 : 2;
        const int a = slotOf(game, side, setup.crib[base]);
        const int b = slotOf(game, side, setup.crib[base + 1]);
        mustApply(game, Action::discard(side, a < b ? a : b, a < b ? b : a), &events);
    }
    if (!game.gameOver()) mustApply(game, Action::simple(ActionKind::RevealStarter), &events);
    return events;
}

// Plays the order through the rules. `onMove` sees each move's events.
template <typename OnMove>
void playOrder(CribbageGame& game, const std::vector<Card>& order, OnMove onMove,
               const char* (*roleOf)(const CribbageGame&, Side)) {
    size_t next = 0;
    while (game.state() == GameState::Playing && !game.playOver()) {
        const Side side = game.toPlay();
        ApplyResult r;
        if (!game.canLay(side)) {
            r = game.apply(Action::go(side));
        } else {
            if (next >= order.size()) {
                refuse("the order ends after " + std::to_string(order.size()) + " cards but " +
                       roleOf(game, side) + " can still lay a card");
            }
            const Card card = order[next];
            const std::string name = "card " + std::to_string(next + 1) + " (" + cardText(card) + ")";
            const int slot = slotOf(game, side, card);
            if (slot < 0 || game.played(side, slot)) {
                if (slotOf(game, other(side), card) >= 0)
                    refuse(name + ": it is " + roleOf(game, side) + "'s turn and " +
                           roleOf(game, side) + " can lay, so " + roleOf(game, side) + " must");
                refuse(name + ": not an unplayed card of either hand");
            }
            if (!game.fits(side, slot)) {
                refuse(name + " would take the count past 31 (count " +
                       std::to_string(game.runningCount()) + ")");
            }
            ++next;
            r = game.apply(Action::lay(side, slot));
        }
        if (!r.accepted) refuse("internal: the rules refused a move they listed");
        onMove(r.events);
    }
}

const char* poneOrDealer(const CribbageGame& game, Side side) {
    return side == game.dealer() ? "dealer" : "pone";
}
const char* redOrBlue(const CribbageGame&, Side side) {
    return sideName(side);
}

std::string pegText(const GameEvent& e) {
    std::string text;
    if (e.text) text = e.text;
    if (e.text2) text += std::string(", ") + e.text2;
    if (e.reason == PegReason::Hand || e.reason == PegReason::Crib) {
        text = (e.reason == PegReason::Crib ? "crib: " : "hand: ");
    }
    return text;
}

}  // namespace

int runPeg(const Arguments& args) {
    args.allowOnly({"--pone", "--dealer", "--order"}, {});
    if (!args.has("--pone") || !args.has("--dealer") || !args.has("--order"))
        refuse("peg needs --pone \"<4 cards>\" --dealer \"<4 cards>\" --order \"<8 cards>\"");
    const std::vector<Card> pone = parseCards(args.value("--pone"), 4, "--pone");
    const std::vector<Card> dealerCards = parseCards(args.value("--dealer"), 4, "--dealer");
    const std::vector<Card> order = parseCards(args.value("--order"), 8, "--order");
    bool used[52] = {};
    for (const Card& c : pone) used[c.index()] = true;
    for (const Card& c : dealerCards) {
        if (used[c.index()]) refuse("the card " + cardText(c) + " is in both hands");
        used[c.index()] = true;
    }
    for (size_t i = 0; i < order.size(); ++i) {
        if (!used[order[i].index()])
            refuse("card " + std::to_string(i + 1) + " (" + cardText(order[i]) +
                   ") of --order is in neither hand");
    }

    // Pone is Red, the dealer Blue; the crib and a starter that is no jack
    // are filled from the cards left, so nothing is pegged before the play.
    DealSetup setup;
    setup.computerDeals = true;
    for (int i = 0; i < 4; ++i) {
        setup.red[i] = pone[i];
        setup.blue[i] = dealerCards[i];
    }
    int filled = 0;
    for (int index = 0; index < 52 && filled < 5; ++index) {
        const Card c = Card::fromIndex(index);
        if (used[index] || (filled == 4 && c.rank == kJackRank)) continue;
        if (filled < 4)
            setup.crib[filled] = c;
        else
            setup.starter = c;
        ++filled;
    }
    CribbageGame game;
    startDeal(game, setup);

    int totals[2] = {0, 0};
    playOrder(
        game, order,
        [&](const std::vector<GameEvent>& events) {
            const GameEvent* laid = nullptr;
            int points = 0;
            std::string messages;
            Side pegSide = Side::Red;
            for (const GameEvent& e : events) {
                if (e.kind == EventKind::CardLaid) laid = &e;
                if (e.kind == EventKind::GoSaid)
                    std::printf("%s go\n", poneOrDealer(game, e.side));
                if (e.kind == EventKind::PegMoved) {
                    points += e.points;
                    pegSide = e.side;
                    totals[e.side == Side::Red ? 0 : 1] += e.points;
                    if (!messages.empty()) messages += ", ";
                    messages += pegText(e);
                }
            }
            if (laid) {
                std::printf("%s %s count=%d points=%d%s%s\n", poneOrDealer(game, laid->side),
                            cardText(laid->card).c_str(), laid->count, points,
                            messages.empty() ? "" : " ", messages.c_str());
            } else if (points > 0) {
                // The go pegged by the player whose last card nobody could follow.
                std::printf("%s go points=%d %s\n", poneOrDealer(game, pegSide), points,
                            messages.c_str());
            }
        },
        poneOrDealer);
    std::printf("totals pone=%d dealer=%d\n", totals[0], totals[1]);
    return 0;
}

int runDeal(const Arguments& args) {
    args.allowOnly({"--dealer", "--scores", "--red", "--blue", "--crib", "--starter", "--order"}, {});
    // --order may be left out when the play does not matter (his heels ends the game).
    for (const char* name : {"--dealer", "--scores", "--red", "--blue", "--crib", "--starter"}) {
        if (!args.has(name)) refuse(std::string("deal needs ") + name);
    }
    DealSetup setup;
    const std::string dealer = args.value("--dealer");
    if (dealer != "red" && dealer != "blue") refuse("--dealer must be red or blue, not \"" + dealer + "\"");
    setup.computerDeals = dealer == "blue";
    int red = 0, blue = 0;
    char extra = 0;
    if (std::sscanf(args.value("--scores").c_str(), "%d,%d%c", &red, &blue, &extra) != 2 || red < 0 ||
        blue < 0 || red >= kWinningScore || blue >= kWinningScore) {
        refuse("--scores must be <red>,<blue>, each 0 to 120");
    }
    setup.redScore = red;
    setup.blueScore = blue;
    const std::vector<Card> r = parseCards(args.value("--red"), 4, "--red");
    const std::vector<Card> b = parseCards(args.value("--blue"), 4, "--blue");
    const std::vector<Card> c = parseCards(args.value("--crib"), 4, "--crib");
    const std::vector<Card> s = parseCards(args.value("--starter"), 1, "--starter");
    for (int i = 0; i < 4; ++i) {
        setup.red[i] = r[i];
        setup.blue[i] = b[i];
        setup.crib[i] = c[i];
    }
    setup.starter = s[0];
    std::string orderText = args.value("--order");
    std::vector<Card> order;
    if (orderText.find_first_not_of(" \t,") != std::string::npos) {
        std::vector<gamekit::CardCode> codes;
        std::string error;
        gamekit::CardListRules rules;
        rules.minCount = 0;
        rules.maxCount = 8;
        if (!gamekit::parseCardList(orderText, codes, error, rules)) refuse("--order: " + error);
        for (const auto& code : codes) order.push_back(fromCardCode(code));
    }
    for (size_t i = 0; i < order.size(); ++i) {
        bool inHand = false;
        for (int k = 0; k < 4; ++k) inHand = inHand || order[i] == r[k] || order[i] == b[k];
        if (!inHand)
            refuse("card " + std::to_string(i + 1) + " (" + cardText(order[i]) +
                   ") of --order is in neither hand");
    }

    CribbageGame game;
    auto report = [&](const std::vector<GameEvent>& events) {
        const HandCount* counted = nullptr;
        for (const GameEvent& e : events) {
            if (e.kind == EventKind::HandCounted) counted = &e.handCount;
            if (e.kind == EventKind::HandCounted && e.handCount.total == 0)
                std::printf("%s 0 %s: nothing\n", sideName(e.side), e.crib ? "crib" : "hand");
            if (e.kind != EventKind::PegMoved) continue;
            std::string what = pegText(e);
            if (counted && (e.reason == PegReason::Hand || e.reason == PegReason::Crib))
                what += countSummary(*counted);
            std::printf("%s %d %s\n", sideName(e.side), e.points, what.c_str());
        }
    };
    report(startDeal(game, setup));
    if (!game.gameOver()) playOrder(game, order, report, redOrBlue);
    while (!game.gameOver() && game.state() != GameState::Dealing) {
        ApplyResult res = game.apply(Action::simple(ActionKind::CountNext));
        if (!res.accepted) refuse("internal: the count was refused");
        report(res.events);
    }
    std::printf("winner=%s red=%d blue=%d\n", game.gameOver() ? sideName(game.winner()) : "none",
                game.score(Side::Red), game.score(Side::Blue));
    return 0;
}

}  // namespace cribbage_sim
