#include "tools/velloran-sim/SimOptions.h"

#include <cerrno>
#include <cstdlib>

namespace velloran_sim {

namespace {

bool readNumber(const std::string& text, unsigned long long max, unsigned long long& out) {
    if (text.empty() || text.size() > 19) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    errno = 0;
    out = std::strtoull(text.c_str(), nullptr, 10);
    return errno == 0 && out <= max;
}

}  // namespace

const char* usageText() {
    return "usage: velloran-sim deadwood < hands\n"
           "       velloran-sim play --levels A,B --games N --seed S [--deal 10|11]\n"
           "                         [--hollywood] [--points 100|300] [--hints] [--turn-cap N]\n"
           "                         [--quiet]\n"
           "       velloran-sim --help\n"
           "\n"
           "deadwood: reads hands from standard input, one per line, 10 or 11 cards in the\n"
           "  card text (rank A 2-9 T J Q K, suit S C H D: \"7S 7C 7H 5D 6D 7D 8D KS QS JS\"),\n"
           "  and prints for each \"<least deadwood><TAB><melds>\": the melds in the order the\n"
           "  analysis found them, each meld's cards in its order separated by blanks, melds\n"
           "  separated by \" | \". A bad line is named on stderr and ends the run with exit 2\n"
           "  (the lines before it are printed).\n"
           "\n"
           "play: whole games between two computer players, one in the computer's seat and\n"
           "  one in the person's (playing the person's side through the same actions a\n"
           "  person's taps make), with the same rules as the program.\n"
           "  --levels A,B     the two levels: beginning, standard or expert\n"
           "  --games N        games to play (seats and first dealer alternate: game 1 puts\n"
           "                   A in the computer's seat with the person dealing, game 2 B in\n"
           "                   it, games 3 and 4 the same with the computer dealing, ...)\n"
           "  --seed S         the seed of game 1; game i plays seed S + i - 1\n"
           "  --deal 10|11     10: ten each and an upcard (default); 11: eleven to the\n"
           "                   non-dealer, no upcard\n"
           "  --hollywood      Hollywood scoring (three columns)\n"
           "  --points 100|300 the points to win (default 100)\n"
           "  --hints          hints on: they are computed after every action as in the\n"
           "                   program, and the computer's take and throw follow the expert\n"
           "                   rules whatever its level\n"
           "  --turn-cap N     a hand still running after N turns (both sides' discards) is\n"
           "                   ended as a tie and counted (default 400; 0 for none)\n"
           "  --quiet          totals only, no line per game\n"
           "\n"
           "  A line per game: \"game <i>: <winner> wins by <margin> in <hands> hands\" (or\n"
           "  \"tied\"), then the totals: each level's share of the games won with a Wilson\n"
           "  95 % interval, hands per game, the shares of hands won by gin, knock and\n"
           "  undercut and of tied hands, the mean least deadwood of the dealt 10-card\n"
           "  hands, and decisions (turns) per second.\n"
           "\n"
           "Exit codes: 0 done, 2 bad command line or bad hand.\n";
}

bool parsePlayOptions(const std::vector<std::string>& args, PlayOptions& out, std::string& error) {
    bool haveLevels = false, haveGames = false, haveSeed = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& v) {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            v = args[++i];
            return true;
        };
        std::string v;
        unsigned long long n = 0;
        if (a == "--levels") {
            if (!value(v)) return false;
            const size_t comma = v.find(',');
            if (comma == std::string::npos ||
                !velloran::parseLevel(v.substr(0, comma), out.levels[0]) ||
                !velloran::parseLevel(v.substr(comma + 1), out.levels[1])) {
                error = "bad levels \"" + v + "\": give two of beginning, standard, expert, as A,B";
                return false;
            }
            haveLevels = true;
        } else if (a == "--games") {
            if (!value(v)) return false;
            if (!readNumber(v, 100000000ULL, n) || n == 0) {
                error = "bad game count \"" + v + "\"";
                return false;
            }
            out.games = static_cast<long>(n);
            haveGames = true;
        } else if (a == "--seed") {
            if (!value(v)) return false;
            if (!readNumber(v, 0xffffffffULL, n)) {
                error = "bad seed \"" + v + "\"";
                return false;
            }
            out.seed = static_cast<uint32_t>(n);
            haveSeed = true;
        } else if (a == "--deal") {
            if (!value(v)) return false;
            if (v != "10" && v != "11") {
                error = "bad deal \"" + v + "\": 10 or 11";
                return false;
            }
            out.deal = v == "10" ? 10 : 11;
        } else if (a == "--points") {
            if (!value(v)) return false;
            if (v != "100" && v != "300") {
                error = "bad points \"" + v + "\": 100 or 300";
                return false;
            }
            out.points = v == "100" ? 100 : 300;
        } else if (a == "--turn-cap") {
            if (!value(v)) return false;
            if (!readNumber(v, 1000000ULL, n)) {
                error = "bad turn cap \"" + v + "\"";
                return false;
            }
            out.turnCap = static_cast<int>(n);
        } else if (a == "--hollywood") {
            out.hollywood = true;
        } else if (a == "--hints") {
            out.hints = true;
        } else if (a == "--quiet") {
            out.quiet = true;
        } else {
            error = "unknown argument \"" + a + "\"";
            return false;
        }
    }
    if (!haveLevels || !haveGames || !haveSeed) {
        error = "play needs --levels, --games and --seed";
        return false;
    }
    return true;
}

}  // namespace velloran_sim
