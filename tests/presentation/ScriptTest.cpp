#include <gtest/gtest.h>

#include "platform/headless/Script.h"

using platform::headless::parseScript;
using platform::headless::ScriptCommand;

namespace {
std::string errorOf(const std::string& text) {
    std::vector<ScriptCommand> commands;
    std::string error;
    EXPECT_FALSE(parseScript(text, &commands, &error)) << text;
    return error;
}
}  // namespace

TEST(Script, ReadsEveryCommandWithCommentsAndBlankLines) {
    std::vector<ScriptCommand> c;
    std::string error;
    ASSERT_TRUE(
        parseScript("# start\n\nwait 30\ntap 10 -20  # corner\npress 1 2\ndrag 3 4\n"
                    "release 5 6\nkey left\nfocus off\nshot /tmp/a b.png\nclose\nrealwait 5\n",
                    &c, &error))
        << error;
    ASSERT_EQ(c.size(), 10u);
    EXPECT_EQ(c[0].kind, ScriptCommand::Wait);
    EXPECT_EQ(c[0].a, 30);
    EXPECT_EQ(c[1].kind, ScriptCommand::Tap);
    EXPECT_EQ(c[1].b, -20);
    EXPECT_EQ(c[1].line, 4);
    EXPECT_EQ(c[5].a, 0x25);
    EXPECT_EQ(c[6].a, 0);
    EXPECT_EQ(c[7].path, "/tmp/a b.png");
    EXPECT_EQ(c[9].kind, ScriptCommand::RealWait);
}

TEST(Script, RefusesBadLinesNamingTheLine) {
    const std::pair<const char*, const char*> bad[] = {
        {"wait 10\njump 3\n", "line 2"},  {"tap 10\n", "line 1"},
        {"tap 10 x\n", "line 1"},         {"\n\nwait -5\n", "line 3"},
        {"wait 99999999999\n", "line 1"}, {"key sideways\n", "line 1"},
        {"focus maybe\n", "line 1"},      {"shot\n", "line 1"},
        {"close now\n", "line 1"},        {"tap 1 2 3\n", "line 1"}};
    for (const auto& [text, line] : bad)
        EXPECT_NE(errorOf(text).find(line), std::string::npos) << text;
}

TEST(Script, AByteThatEndsTheTextEarlyIsRefusedNotCut) {
    // "wait 1<NUL>2" must not be read as "wait 1".
    EXPECT_NE(errorOf(std::string("wait 1\0" "2\n", 9)).find("line 1"), std::string::npos);
    EXPECT_NE(errorOf(std::string("wait 5\nshot /tmp/a\0b.png\n", 25)).find("line 2"),
              std::string::npos);
    EXPECT_NE(errorOf("wait 5\x01\n").find("line 1"), std::string::npos);
}
