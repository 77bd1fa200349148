#include "game/control/audio/music.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/control/audio/music_policy.h"
#include "game/control/audio/recording_audio.h"
#include "tests/common/temp_folder.h"

namespace zelkor {
namespace {

using Calls = std::vector<std::string>;

TEST(MusicVolume, FollowsTheDecibelCurveAndStaysWithinItsEnds) {
    EXPECT_EQ(MusicVolumeHundredths(100), 0);
    EXPECT_EQ(MusicVolumeHundredths(30), -1225);
    EXPECT_EQ(MusicVolumeHundredths(0), -2500);
    EXPECT_EQ(MusicVolumeHundredths(150), 0) << "a stored volume above 100 % is full";
    EXPECT_EQ(MusicVolumeHundredths(-20), -2500);
}

// A level's music files are the game folder + "/music/" + name.
class MusicPolicyTest : public ::testing::Test {
protected:
    MusicPolicyTest() {
        folder.Touch("music/a.mid");
        folder.Touch("music/b.ogg");
        game.sound.deviceReady = true;
    }

    std::string Track(const std::string& name) const {
        return (folder.path() / "music" / name).string();
    }
    // One frame's music check; the calls it made.
    Calls Frame() {
        player.calls.clear();
        MusicFrameCheck(game, music);
        return player.calls;
    }
    Calls PlayLevelTrack(const std::string& name) {
        game.level.MusicFile = name.empty() ? "" : Track(name);
        return Frame();
    }

    TempFolder folder;
    ManualClock clock{1000};
    Game game{clock};
    RecordingMusic player;
    Music music{game, player,
                AudioHooks{{}, [](std::string_view path) { return std::filesystem::path(path); }}};
};

TEST_F(MusicPolicyTest, TheLevelsTrackPlaysLoopingAtTheSetVolumeAndRestartsWhenItEnds) {
    EXPECT_EQ(PlayLevelTrack("a.mid"), (Calls{"load a.mid", "play 0", "volume -1225"}));
    EXPECT_EQ(game.music.file, Track("a.mid"));
    EXPECT_TRUE(game.music.playing && game.music.looping);
    EXPECT_EQ(game.music.volume, -1225);
    EXPECT_EQ(Frame(), Calls{}) << "a playing track is left alone";

    clock.Advance(90000);
    player.ended = true;
    EXPECT_EQ(Frame(), Calls{"play 0"});
    EXPECT_EQ(Frame(), Calls{});
}

TEST_F(MusicPolicyTest, AnotherLevelsTrackReplacesItAndALevelWithoutOneStopsIt) {
    PlayLevelTrack("a.mid");
    game.options.musicVolume = 100;
    EXPECT_EQ(PlayLevelTrack("b.ogg"), (Calls{"stop", "load b.ogg", "play 0", "volume 0"}));
    EXPECT_EQ(PlayLevelTrack(""), Calls{"stop"});
    EXPECT_FALSE(game.music.playing);
    EXPECT_EQ(Frame(), Calls{});
    EXPECT_EQ(PlayLevelTrack("b.ogg"), (Calls{"load b.ogg", "play 0", "volume 0"}))
        << "a stopped track is loaded again";
}

TEST_F(MusicPolicyTest, ATrackThatWillNotPlayIsTriedOncePerLevelStartOrSwitchingOn) {
    PlayLevelTrack("a.mid");
    EXPECT_EQ(PlayLevelTrack("missing.mid"), (Calls{"stop", "load missing.mid failed"}));
    EXPECT_EQ(Frame(), Calls{});
    EXPECT_EQ(Frame(), Calls{});
    EXPECT_FALSE(game.music.playing);
    EXPECT_EQ(game.music.file, "") << "nothing is loaded";

    MusicLevelStarted(game);
    EXPECT_EQ(Frame(), Calls{"load missing.mid failed"});
    EXPECT_EQ(Frame(), Calls{});

    music.SwitchMusic(true);
    EXPECT_EQ(Frame(), Calls{"load missing.mid failed"});
    EXPECT_EQ(Frame(), Calls{});

    // A damaged track the mixer took that stops at once is given up the same way.
    EXPECT_EQ(PlayLevelTrack("a.mid"), (Calls{"load a.mid", "play 0", "volume -1225"}));
    clock.Advance(kShortestTrackMs - 1);
    player.ended = true;
    EXPECT_EQ(Frame(), Calls{"stop"});
    EXPECT_EQ(Frame(), Calls{});
    EXPECT_FALSE(game.music.playing);
}

TEST_F(MusicPolicyTest, AWatchedGameTakesUpTheTrackItsRunWasPlayingWhereItWas) {
    PlayLevelTrack("a.mid");
    clock.Advance(3000);
    player.calls.clear();
    TakeUpMusic(game, player, Track("a.mid"));
    EXPECT_EQ(player.calls, (Calls{"stop", "load a.mid", "play 3", "volume -1225"}));
    game.music.playing = false;
    player.calls.clear();
    TakeUpMusic(game, player, Track("a.mid"));
    EXPECT_EQ(player.calls, Calls{"stop"});
}

TEST_F(MusicPolicyTest, SwitchingMusicOffStopsItAndOnPlaysItFromTheStart) {
    PlayLevelTrack("a.mid");
    game.run.debug = true;
    game.options.musicEnabled = false;
    player.calls.clear();
    music.SwitchMusic(false);
    EXPECT_EQ(player.calls, Calls{"stop"});
    EXPECT_EQ(game.messages[0], "zkStopMusic: Stoping Music");
    player.ended = true;
    EXPECT_EQ(Frame(), Calls{}) << "music off leaves the track alone";
    EXPECT_EQ(PlayLevelTrack("b.ogg"), Calls{}) << "even another level's";

    game.options.musicEnabled = true;
    game.level.MusicFile = Track("a.mid");
    player.calls.clear();
    music.SwitchMusic(true);
    EXPECT_EQ(player.calls, Calls{"play 0"});
    EXPECT_EQ(game.messages[1], "zkPlayMusic: Playing Music");
    EXPECT_EQ(Frame(), Calls{});
}

}  // namespace
}  // namespace zelkor
