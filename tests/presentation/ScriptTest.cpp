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
    ASSERT_TRUE(parseScript("# start\n\nwait 30\ntap 10 -20  # corner\npress 1 2\ndrag 3 4\n"
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
    EXPECT_NE(errorOf("wait 10\njump 3\n").find("line 2"), std::string::npos);
    EXPECT_NE(errorOf("tap 10\n").find("line 1"), std::string::npos);
    EXPECT_NE(errorOf("tap 10 x\n").find("line 1"), std::string::npos);
    EXPECT_NE(errorOf("\n\nwait -5\n").find("line 3"), std::string::npos);
    EXPECT_NE(errorOf("wait 99999999999\n").find("line 1"), std::string::npos);
    EXPECT_NE(errorOf("key sideways\n").find("line 1"), std::string::npos);
    EXPECT_NE(errorOf("focus maybe\n").find("line 1"), std::string::npos);
    EXPECT_NE(errorOf("shot\n").find("line 1"), std::string::npos);
    EXPECT_NE(errorOf("close now\n").find("line 1"), std::string::npos);
    EXPECT_NE(errorOf("tap 1 2 3\n").find("line 1"), std::string::npos);
}
