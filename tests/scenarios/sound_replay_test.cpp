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
    const auto bite = replay.Play("/L=bite.dat", 1500, SetOff(key::Down));
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
    const auto hunt = replay.Play("/AIS=1 /L=hunter.dat", 1000, SetOff(key::F2));
    const int eaten = hunt.dump["Snakes"][1]["yellowEaten"];
    EXPECT_GE(eaten, 1);
    EXPECT_EQ(Effects(hunt.dump), std::vector<std::string>(static_cast<std::size_t>(eaten),
                                                           "snd/collect.wav 2 - silenced"));
}

TEST(Music, TheLevelsTrackPlaysLoopingAndAMissingOneLeavesTheLevelSilent) {
    Replay replay;
    WriteBytes(replay.dir() / "music" / "song.ogg", "");
    replay.AddLevel(
        "song.dat",
        LevelText("Song").Key("reqScore= 9999").Key("MusicFile=song.ogg").PlayerStart(10, 2));
    const auto song = replay.Play("/L=song.dat", 500, "");
    EXPECT_EQ(
        song.dump["music"],
        (nlohmann::json{
            {"file", "music/song.ogg"}, {"playing", true}, {"looping", true}, {"volume", -1225}}));

    replay.AddLevel(
        "quiet.dat",
        LevelText("Quiet").Key("reqScore= 9999").Key("MusicFile=none.mid").PlayerStart(10, 2));
    const auto quiet = replay.Play("/L=quiet.dat", 500, "");
    EXPECT_EQ(quiet.dump["music"]["file"], "");
    EXPECT_FALSE(quiet.dump["music"]["playing"]);
}

// Keys tapped one every 80 ms from `start` on.
std::string Taps(int start, const std::vector<std::pair<int, int>>& keys) {
    std::string text;
    for (const auto& [code, times] : keys) {
        for (int i = 0; i < times; ++i, start += 80)
            text += Press(start, code);
    }
    return text;
}

TEST(Music, TheOptionsPageSwitchesItAndSetsItsVolumeAtOnce) {
    Replay replay;
    WriteBytes(replay.dir() / "music" / "song.mid", "");
    replay.AddLevel(
        "song.dat",
        LevelText("Song").Key("reqScore= 9999").Key("MusicFile=song.mid").PlayerStart(10, 2));
    // From the level's information screen to the options page, down to "Music On".
    const std::vector<std::pair<int, int>> toMusicRow = {
        {key::Escape, 1}, {key::Down, 1}, {key::Enter, 1}, {key::Down, 11}};

    auto off = toMusicRow;
    off.push_back({key::Right, 1});
    const auto silent = replay.Play("/L=song.dat", 2500, Taps(300, off));
    EXPECT_FALSE(silent.dump["options"]["musicEnabled"]);
    EXPECT_FALSE(silent.dump["music"]["playing"]);
    EXPECT_EQ(silent.dump["music"]["file"], "music/song.mid") << "still loaded";

    auto quieter = off;  // the volume down to 20 %, then music on again
    quieter.insert(quieter.end(), {{key::Down, 1}, {key::Left, 10}, {key::Up, 1}, {key::Right, 1}});
    const auto back = replay.Play("/L=song.dat", 4000, Taps(300, quieter));
    EXPECT_TRUE(back.dump["options"]["musicEnabled"]);
    EXPECT_EQ(back.dump["options"]["musicVolume"], 20);
    EXPECT_EQ(
        back.dump["music"],
        (nlohmann::json{
            {"file", "music/song.mid"}, {"playing", true}, {"looping", true}, {"volume", -1600}}));
}

}  // namespace
}  // namespace zelkor
