// Every program, played with the same taps twice: once as it runs, each
// frame painted and presented only where it changed, and once with every
// frame painted and presented whole; two of them on other display kinds. Every screenshot of the
// two runs must be the same, pixel for pixel.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <string>

#include "support/PngImage.h"
#include "support/ProgramRun.h"

namespace {

using testing_support::PngImage;

struct Program {
    const char* name;
    const char* path;
    const char* display;
};

constexpr int kTaps = 36;

// Taps anywhere on the screen (the menus and options pages included), with
// a screenshot after each and one early in each wait, while cards fly.
std::string wanderingTaps(uint32_t seed, const std::string& shots) {
    std::mt19937 random(seed);
    auto number = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::string script = testing_support::tapLine(120, 160, 300);
    for (int i = 0; i < kTaps; ++i) {
        const bool menuBar = number(0, 5) == 0;
        script += "tap " + std::to_string(number(0, 239)) + " " +
                  std::to_string(menuBar ? number(0, 16) : number(0, 319)) + "\n";
        script += "wait 40\nshot " + shots + "/" + std::to_string(i) + "a.png\n";
        script += "wait " + std::to_string(number(60, 900)) + "\nshot " + shots + "/" +
                  std::to_string(i) + "b.png\n";
    }
    return script;
}

std::string firstDifference(const std::string& changed, const std::string& whole, int* compared) {
    for (int i = 0; i < kTaps; ++i) {
        for (const char* part : {"a", "b"}) {
            const std::string name = "/" + std::to_string(i) + part + ".png";
            PngImage a, b;
            const bool hasA = a.load(changed + name), hasB = b.load(whole + name);
            if (hasA != hasB) return name + ": in one run only";
            if (!hasA) continue;
            ++*compared;
            if (a.pixels == b.pixels) continue;
            for (int p = 0; p < a.width * a.height; ++p) {
                if (a.pixels[p] != b.pixels[p]) {
                    return name + " at " + std::to_string(p % a.width) + "," +
                           std::to_string(p / a.width);
                }
            }
        }
    }
    return "";
}

class WholeFrames : public ::testing::TestWithParam<Program> {};

TEST_P(WholeFrames, ShowTheSameScreensAsFramesPaintedWhereTheyChange) {
    const Program program = GetParam();
    testing_support::InstalledRoot changedRoot(INSTALLER_PATH), wholeRoot(INSTALLER_PATH);
    ASSERT_TRUE(changedRoot.installed() && wholeRoot.installed());
    const std::map<std::string, std::string> tick{{"DECKHOLLOW_TICK0", "7000"},
                                                  {"DECKHOLLOW_DISPLAY", program.display}};
    std::map<std::string, std::string> whole = tick;
    whole["DECKHOLLOW_WHOLE_FRAMES"] = "1";
    for (uint32_t seed : {3u, 4u}) {
        SCOPED_TRACE("taps of seed " + std::to_string(seed));
        const std::string changedShots = changedRoot.file("shots" + std::to_string(seed));
        const std::string wholeShots = wholeRoot.file("shots" + std::to_string(seed));
        std::filesystem::create_directories(changedShots);
        std::filesystem::create_directories(wholeShots);
        const testing_support::RunResult run = testing_support::runHeadless(
            program.path, changedRoot, wanderingTaps(seed, changedShots), tick);
        testing_support::runHeadless(program.path, wholeRoot, wanderingTaps(seed, wholeShots),
                                     whole);
        int compared = 0;
        EXPECT_EQ(firstDifference(changedShots, wholeShots, &compared), "");
        std::string end;
        for (size_t i = run.log.size() > 4 ? run.log.size() - 4 : 0; i < run.log.size(); ++i)
            end += run.log[i] + "\n";
        EXPECT_GE(compared, 2 * kTaps) << "the run ended early; its log ends\n" << end;
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, WholeFrames,
                         // Row by row where the display's rows are the image's
                         // (portrait16, pitch512), whole frames elsewhere.
                         ::testing::Values(Program{"reflection", REFLECTION_PATH, "portrait16"},
                                           Program{"pellandine", PELLANDINE_PATH, "portrait16"},
                                           Program{"velloran", VELLORAN_PATH, "portrait16"},
                                           Program{"cribbage", CRIBBAGE_PATH, "portrait16"},
                                           Program{"gallery", GALLERY_PATH, "portrait16"},
                                           Program{"cribbage_pitch512", CRIBBAGE_PATH, "pitch512"},
                                           Program{"velloran_gray4", VELLORAN_PATH, "gray4"}),
                         [](const ::testing::TestParamInfo<Program>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
