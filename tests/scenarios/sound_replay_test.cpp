// Whole runs of the game as a player would hear them: the effects asked for and
// the level's music, as the dump shows them.
#include <gtest/gtest.h>

#include "tests/scenarios/replay.h"

namespace zelkor {
namespace {

using namespace scenario;

// The effects asked for in the run, as "path snake entry played" lines.
std::vector<std::string> Effects(const nlohmann::json& dump) {
    std::vector<std::string> lines;
    for (const auto& e : dump["sound"]) {
        lines.push_back(e["path"].get<std::string>() + " " + std::to_string(e["snake"].get<int>()) +
                        " " + (e["entry"].is_null() ? "-" : std::to_string(e["entry"].get<int>())) +
                        (e["played"].get<bool>() ? " played" : " silenced"));
    }
    return lines;
}

TEST(Sounds, ThePlayersPickUpIsHeardAndAComputerSnakesIsSilencedWhenTheirsAreOff) {
    Replay replay;
    replay.AddLevel("bite.dat", LevelText("Bite")
                                    .Put(10, 5, '*')
                                    .Key("numYellow= 1")
                                    .Key("reqYellow= 5")
                                    .PlayerStart(10, 2));
    const auto bite = replay.Play("/L=bite.dat", 1500, SetOff(kDown));
    EXPECT_EQ(bite.dump["Snakes"][0]["yellowEaten"], 1);
    EXPECT_EQ(Effects(bite.dump), std::vector<std::string>{"snd/collect.wav 1 1 played"});

    // A computer snake two steps from a yellow item; the player stands far off.
    replay.AddLevel("hunter.dat", LevelText("Hunter")
                                      .Put(15, 18, '1')
                                      .Put(15, 16, '*')
                                      .Key("numYellow= 1")
                                      .Key("reqScore= 9999")
                                      .PlayerStart(2, 2));
    replay.WriteSettings("[Options]\r\nKiSndEnabled=False\r\n");
    const auto hunt = replay.Play("/AIS=1 /L=hunter.dat", 1000, SetOff(kF2));
    const int eaten = hunt.dump["Snakes"][1]["yellowEaten"];
    EXPECT_GE(eaten, 1);
    EXPECT_EQ(Effects(hunt.dump), std::vector<std::string>(static_cast<std::size_t>(eaten),
                                                           "snd/collect.wav 2 - silenced"));
}

TEST(Music, TheLevelsTrackPlaysLoopingAndAMissingOneLeavesTheLevelSilent) {
    Replay replay;
    WriteBytes(replay.dir() / "music" / "song.ogg", "");
    replay.AddLevel("song.dat", LevelText("Song").Key("MusicFile=song.ogg").PlayerStart(10, 2));
    const auto song = replay.Play("/L=song.dat", 500, "");
    EXPECT_EQ(
        song.dump["music"],
        (nlohmann::json{
            {"file", "music/song.ogg"}, {"playing", true}, {"looping", true}, {"volume", -1225}}));

    replay.AddLevel("quiet.dat", LevelText("Quiet").Key("MusicFile=none.mid").PlayerStart(10, 2));
    const auto quiet = replay.Play("/L=quiet.dat", 500, "");
    EXPECT_EQ(quiet.dump["music"]["file"], "");
    EXPECT_FALSE(quiet.dump["music"]["playing"]);
}

}  // namespace
}  // namespace zelkor
