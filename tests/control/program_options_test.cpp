#include "game/control/options/program_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace zelkor {
namespace {

ParsedProgramOptions Parse(std::vector<std::string_view> args) {
    return ParseProgramOptions(args, "/opt/zelkor");
}

TEST(ProgramOptions, OurOptionsComeFirstAndTheRestIsTheGamesCommandLine) {
    const auto parsed = Parse({"--game-dir", "/games/z", "--window", "--settings=/tmp/s.ini",
                               "--frame-ms=16", "/L=EditTemp.dat", "/AIS=3", "/DM"});
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_EQ(parsed.options.gameDir, "/games/z");
    EXPECT_EQ(Parse({"--game-dir", "./"}).options.gameDir, std::filesystem::current_path())
        << "one spelling of a folder, for the replays that name files in it";
    EXPECT_TRUE(parsed.options.window);
    EXPECT_EQ(parsed.options.settingsFile, "/tmp/s.ini");
    EXPECT_EQ(parsed.options.frameMs, 16);
    EXPECT_EQ(parsed.options.commandLine, "/L=EditTemp.dat /AIS=3 /DM");

    const auto plain = Parse({"/DM", "--window"});
    EXPECT_EQ(plain.options.gameDir, "/opt/zelkor") << "the program's folder by default";
    EXPECT_FALSE(plain.options.window) << "after the first switch everything is the game's";
    EXPECT_EQ(plain.options.commandLine, "/DM --window");

    EXPECT_EQ(Parse({"--", "--odd"}).options.commandLine, "--odd");
    EXPECT_EQ(Parse({}).options.commandLine, "");
    EXPECT_EQ(Parse({"/L=Gr\xc3\xbcne.dat"}).options.commandLine, "/L=Gr\xfcne.dat")
        << "the game's text is Windows-1252";
}

TEST(ProgramOptions, MistakesGiveAClearError) {
    EXPECT_EQ(Parse({"--fullscreen"}).error, "unknown option --fullscreen");
    EXPECT_EQ(Parse({"--game-dir"}).error, "--game-dir needs a value");
    EXPECT_EQ(Parse({"--seed", "x1"}).error, "--seed needs a whole number up to 1000000000000000");
    // Times that would overflow the clock's milliseconds are refused.
    EXPECT_FALSE(Parse({"--seed", "9223372036854775807"}).ok());
    EXPECT_FALSE(Parse({"--run-ms", "9223372036854775807"}).ok());
    EXPECT_FALSE(Parse({"--frame-ms", "9223372036854775807"}).ok());
    EXPECT_TRUE(Parse({"--seed", "1000000000000000", "--run-ms", "1000000000000000"}).ok());
    EXPECT_EQ(Parse({"--frame-ms", "0"}).error,
              "--frame-ms needs a number of milliseconds above 0");
    EXPECT_EQ(Parse({"--run-ms=-5"}).error, "--run-ms needs a number of milliseconds");
    EXPECT_EQ(Parse({"--window=yes"}).error, "--window takes no value");
}

}  // namespace
}  // namespace zelkor
