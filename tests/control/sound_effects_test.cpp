#include "game/control/audio/sound_effects.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/paths.h"
#include "game/control/audio/recording_audio.h"
#include "game/rules/rules_host.h"
#include "tests/control/startup_fixtures.h"

namespace zelkor {
namespace {

class SoundEffectsTest : public ::testing::Test {
protected:
    SoundEffectsTest() { effects.DS_Init(); }

    void LoadStartupEffects() {
        for (std::string_view path : kStartupEffects)
            ASSERT_NE(effects.ZkLoadSound(path), 0);
        device.buffers.clear();
    }
    std::vector<int> PlayedEntries() const {
        std::vector<int> entries;
        for (const auto& p : device.played)
            entries.push_back(p.entry);
        return entries;
    }

    ManualClock clock{1000};
    Game game{clock};
    RecordingSound device;
    RecordingMessageBox boxes;
    std::vector<std::string> console;
    SoundEffects effects{game, device, boxes,
                         AudioHooks{[this](std::string_view line) { console.emplace_back(line); },
                                    [](std::string_view path) {
                                        return ResolvePath("/game", ToRelativePath(path));
                                    }}};
};

TEST_F(SoundEffectsTest, WhoIsHeardFollowsTheEffectOptions) {
    LoadStartupEffects();
    struct Case {
        bool effects, computerEffects;
        int snake;
        bool heard;
    };
    const Case cases[] = {
        {true, true, 1, true},   {true, true, 2, true},    {true, false, 1, true},
        {true, false, 2, false}, {true, false, 16, false}, {false, true, 1, false},
        {false, true, 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("effects " + std::to_string(c.effects) + " computer effects " +
                     std::to_string(c.computerEffects) + " snake " + std::to_string(c.snake));
        game.options.sndEnabled = c.effects;
        game.options.kiSndEnabled = c.computerEffects;
        device.played.clear();
        EXPECT_TRUE(effects.zkPlaySound(kCollectSound, c.snake, 0));
        EXPECT_EQ(device.played.size(), c.heard ? 1u : 0u);
        const AskedEffect& asked = game.sound.Recent(game.sound.RecentCount() - 1);
        EXPECT_EQ(asked.snake, c.snake);
        EXPECT_EQ(asked.played, c.heard);
        EXPECT_EQ(asked.entry, c.heard ? 1 : 0);
    }
}

TEST_F(SoundEffectsTest, AnEffectIsFoundWhateverTheCaseAndRestartsOnItsOwnEntry) {
    LoadStartupEffects();
    effects.zkPlaySound(kCollectSound, 1, 0);
    effects.zkPlaySound(kCollectSound, 1, 0);
    effects.zkPlaySound("\\SND\\COLLECT.WAV", 1, 0);
    effects.zkPlaySound(kWallSound, 3, -500);
    EXPECT_EQ(PlayedEntries(), (std::vector<int>{1, 1, 1, 4}));
    EXPECT_TRUE(device.buffers.empty()) << "nothing is loaded twice";
    EXPECT_EQ(device.played.back().balance, -500);
    EXPECT_EQ(device.played.back().volume, 0) << "effects play unattenuated";
}

TEST_F(SoundEffectsTest, AnEffectNotYetLoadedTakesTheFirstFreeEntry) {
    LoadStartupEffects();
    game.run.debug = true;
    EXPECT_TRUE(effects.zkPlaySound("\\snd\\extra.wav", 1, 0));
    ASSERT_EQ(device.buffers.size(), 1u);
    EXPECT_EQ(device.buffers[0].entry, 5);
    EXPECT_EQ(device.buffers[0].file, "/game/snd/extra.wav");
    EXPECT_EQ(PlayedEntries(), std::vector<int>{5});
    EXPECT_EQ(console.back(), "ZkLoadSound: Loading \\snd\\extra.wav to buffer 5.");
    EXPECT_EQ(game.messages[0], "zkPlaySound: \\snd\\extra.wav");
}

TEST_F(SoundEffectsTest, AFullTableIsEmptiedAndFilledAgainFromEntryOne) {
    for (int i = 1; i < kMaxSoundEntries; ++i)
        ASSERT_EQ(effects.ZkLoadSound("\\snd\\e" + std::to_string(i) + ".wav"), i);
    EXPECT_EQ(device.releases, 0);

    EXPECT_EQ(effects.ZkLoadSound("\\snd\\late.wav"), 1);
    EXPECT_EQ(device.releases, 1);
    EXPECT_EQ(effects.FindEntry("\\snd\\late.wav"), 1);
    EXPECT_EQ(effects.FindEntry("\\snd\\e2.wav"), 0) << "the old effects went with the table";

    effects.zkPlaySound("\\snd\\e2.wav", 1, 0);
    EXPECT_EQ(PlayedEntries(), std::vector<int>{2});
}

TEST_F(SoundEffectsTest, AnEffectThatCannotBeReadShowsItsBoxAndEndsTheProgram) {
    device.unreadable.push_back("/game/snd/gone.wav");
    EXPECT_FALSE(effects.zkPlaySound("\\snd\\gone.wav", 1, 0));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].icon, MessageIcon::Critical);
    EXPECT_EQ(boxes.boxes[0].title, "ZkLoadSound: Could not load sound");
    EXPECT_EQ(boxes.boxes[0].text, "unable to find \\snd\\gone.wav");
    EXPECT_TRUE(device.played.empty());
}

TEST_F(SoundEffectsTest, WithoutADeviceThePlayerIsToldOnceAndNothingIsLoadedOrPlayed) {
    RecordingSound none;
    none.opens = false;
    none.unreadable.push_back("/game/snd/gone.wav");
    Game other{clock};
    SoundEffects silent(other, none, boxes,
                        AudioHooks{{}, [](std::string_view) { return std::filesystem::path(); }});
    silent.DS_Init();
    EXPECT_TRUE(silent.zkPlaySound("\\snd\\gone.wav", 1, 0));
    EXPECT_TRUE(silent.zkPlaySound(kCollectSound, 1, 0));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, kSoundStartFailedText);
    EXPECT_TRUE(none.buffers.empty());
    EXPECT_TRUE(none.played.empty());
    EXPECT_FALSE(other.sound.Recent(1).played);
}

}  // namespace
}  // namespace zelkor
