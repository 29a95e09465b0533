#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

#include "Screenshot.h"

namespace platform::sdl {
namespace {

class ScreenshotPath : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("TZ", "UTC", 1);
        tzset();
        char pattern[] = "/tmp/screenshots-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory_ = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + directory_ + "'").c_str()); }

    std::string directory_;
    // 2026-06-01 10:00:00 UTC
    static constexpr std::time_t kWhen = 1780308000;
};

TEST_F(ScreenshotPath, IsTheTitleAndTheTimeToTheMillisecond) {
    EXPECT_EQ(screenshotPath(directory_, "Velloran", kWhen, 7),
              directory_ + "/Velloran-20260601-100000-007.png");
    EXPECT_EQ(screenshotPath(directory_, "Cribbage", kWhen + 61, 999),
              directory_ + "/Cribbage-20260601-100101-999.png");
}

TEST_F(ScreenshotPath, NeverOverwritesAnEarlierShot) {
    std::string first = screenshotPath(directory_, "Gallery", kWhen, 0);
    std::ofstream(first) << "x";
    std::string second = screenshotPath(directory_, "Gallery", kWhen, 0);
    EXPECT_EQ(second, directory_ + "/Gallery-20260601-100000-000-2.png");
    std::ofstream(second) << "x";
    EXPECT_EQ(screenshotPath(directory_, "Gallery", kWhen, 0),
              directory_ + "/Gallery-20260601-100000-000-3.png");
}

TEST_F(ScreenshotPath, KeepsOnlySafeCharactersOfTheTitle) {
    EXPECT_EQ(screenshotPath(directory_, "Vuzurovoro Dazozivad", kWhen, 0),
              directory_ + "/Vuzurovoro_Dazozivad-20260601-100000-000.png");
    EXPECT_EQ(screenshotPath(directory_, "../x", kWhen, 0),
              directory_ + "/___x-20260601-100000-000.png");
    EXPECT_EQ(screenshotPath(directory_, "", kWhen, 0),
              directory_ + "/screen-20260601-100000-000.png");
}

// The README's example is the name F12 really writes: the window's title
// (reflection's), not the program's name.
TEST_F(ScreenshotPath, TheReadmeShowsTheNamesAsTheyAreWritten) {
    std::ifstream in(DECKHOLLOW_README);
    ASSERT_TRUE(in.good());
    std::stringstream text;
    text << in.rdbuf();
    const std::string path = screenshotPath(directory_, "Vuzurovoro Dazozivad", kWhen, 0);
    const std::string name = path.substr(directory_.size() + 1);
    EXPECT_NE(text.str().find("`" + name + "`"), std::string::npos) << name;
    EXPECT_NE(text.str().find("screenshots/<Title>-<date>-<time>.png"), std::string::npos);
    EXPECT_EQ(text.str().find("<Program>-"), std::string::npos);
}

}  // namespace
}  // namespace platform::sdl
