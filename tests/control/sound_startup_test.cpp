// The effects and the music as the whole game starts and plays.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/settings_store.h"
#include "game/control/audio/recording_audio.h"
#include "game/control/run/main_window.h"
#include "tests/control/startup_fixtures.h"

namespace zelkor {
namespace {

// A game folder with the shipped levels and the first level's track.
class SoundStartupTest : public ::testing::Test {
protected:
    static constexpr std::int64_t kStart = 100000;

    SoundStartupTest() {
        std::filesystem::create_directories(folder.path() / "lvl");
        for (const auto& level : std::filesystem::directory_iterator(
                 std::filesystem::path(ZELKOR_SOURCE_DIR) / "content" / "lvl"))
            std::filesystem::copy_file(level.path(),
                                       folder.path() / "lvl" / level.path().filename());
        folder.Touch("music/music1.mid");
    }

    int Run(std::string_view commandLine, std::int64_t runMs) {
        SteppingWindowEvents events(clock, 16, kStart + runMs);
        const GameFiles files(folder.path());
        MainWindow window(game, Services{keyboard, screen, events, sound, music, settings, boxes,
                                         archives, files});
        return window.INIT_Main(commandLine);
    }

    TempFolder folder;
    ManualClock clock{kStart};
    Game game{clock};
    ScriptedKeyboard keyboard{clock};
    Screen screen;
    RecordingSound sound;
    RecordingMusic music;
    MemorySettingsStore settings;
    NullArchiveService archives;
    RecordingMessageBox boxes;
};

TEST_F(SoundStartupTest, AnEffectThatCannotBeLoadedEndsTheProgramWithItsBox) {
    sound.unreadable.push_back(folder.path() / "Snd/explode.wav");
    EXPECT_NE(Run("/L=lvl1.dat", 500), 0);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "unable to find \\Snd\\explode.wav");
    EXPECT_FALSE(game.flags.displayReady);
    EXPECT_EQ(game.level.LevelFile, "") << "no level is loaded after the failure";
}

}  // namespace
}  // namespace zelkor
