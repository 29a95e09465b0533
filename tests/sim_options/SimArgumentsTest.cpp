#include <gtest/gtest.h>

#include "tools/sim-options/SimArguments.h"

using namespace sim_options;

TEST(SimArguments, SeedRangesFromOneSeedToTheWholeCounter) {
    uint32_t first = 7, last = 7;
    ASSERT_TRUE(parseSeedRange("42", first, last));
    EXPECT_EQ(first, 42u);
    EXPECT_EQ(last, 42u);
    ASSERT_TRUE(parseSeedRange("0-4294967295", first, last));
    EXPECT_EQ(first, 0u);
    EXPECT_EQ(last, 4294967295u);
    for (const char* bad : {"", "-", "9-3", "4294967296", "1-4294967296", "+1", "1 - 2", "x"}) {
        EXPECT_FALSE(parseSeedRange(bad, first, last)) << bad;
    }
}

TEST(SimArguments, OptionsAreReadInOrderAndTheFirstFaultIsNamed) {
    bool quiet = false;
    std::string seen;
    const std::vector<SimOption> table = {
        {"--quiet", nullptr, false,
         [&](const std::string&, std::string&) {
             quiet = true;
             return true;
         }},
        {"--seeds", "--seed", true,
         [&](const std::string& v, std::string& why) {
             seen += v + ";";
             if (v != "bad") return true;
             why = "bad seed";
             return false;
         }},
    };
    auto run = [&](std::vector<const char*> args, std::string& error) {
        args.insert(args.begin(), "sim");
        return parseSimArguments(static_cast<int>(args.size()), const_cast<char**>(args.data()),
                                 table, error);
    };
    std::string error;
    EXPECT_TRUE(run({"--seed", "3", "--quiet", "--seeds", "1-2"}, error));
    EXPECT_TRUE(quiet);
    EXPECT_EQ(seen, "3;1-2;");
    EXPECT_FALSE(run({"--fast"}, error));
    EXPECT_EQ(error, "unknown argument \"--fast\"");
    EXPECT_FALSE(run({"--quiet", "--seeds"}, error));
    EXPECT_EQ(error, "--seeds needs a value");
    EXPECT_FALSE(run({"--seeds", "bad", "--fast"}, error));
    EXPECT_EQ(error, "bad seed");
}

TEST(SimArguments, AChoiceNamesEveryWordWhenRefused) {
    int mode = 0;
    const std::vector<SimOption> table = {
        choiceOption<int>("--slide", "refill mode", mode, {{"zigzag", 0}, {"straight", 1}}),
        choiceOption<int>("--pace", "pace", mode, {{"slow", 2}, {"mid", 3}, {"fast", 4}})};
    auto run = [&](std::vector<const char*> args, std::string& error) {
        args.insert(args.begin(), "sim");
        return parseSimArguments(static_cast<int>(args.size()), const_cast<char**>(args.data()),
                                 table, error);
    };
    std::string error;
    EXPECT_TRUE(run({"--slide", "straight"}, error));
    EXPECT_EQ(mode, 1);
    EXPECT_FALSE(run({"--slide", "up"}, error));
    EXPECT_EQ(error, "unknown refill mode \"up\" (zigzag or straight)");
    EXPECT_FALSE(run({"--pace", "x"}, error));
    EXPECT_EQ(error, "unknown pace \"x\" (slow, mid or fast)");
}
