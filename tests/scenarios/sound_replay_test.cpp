// A level's music as the player hears it, as the dump shows it (the effects of whole
// runs are in the kept dumps of the golden replays).
#include <gtest/gtest.h>

#include "tests/scenarios/replay.h"

namespace zelkor {
namespace {

using namespace scenario;

TEST(Music, TheLevelsTrackPlaysLooping) {
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
}

}  // namespace
}  // namespace zelkor
