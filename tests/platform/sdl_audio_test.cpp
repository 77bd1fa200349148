// The sound output through SDL2_mixer, on the dummy driver and on the disk driver,
// which writes what the mixer plays to a file.
#include "game/platform/sdl_audio.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "game/platform/mixer_levels.h"
#include "tests/common/temp_folder.h"
#include "tests/support/archives.h"

namespace zelkor {
namespace {

using namespace std::chrono_literals;

// One of the game's own effects, unpacked once per test program: "explode.wav" lasts
// 1.1 s, "collect.wav" 0.22 s.
std::filesystem::path Effect(const char* name) {
    static const TempFolder folder;
    static const bool unpacked =
        support::UnpackArchive(std::filesystem::path(ZELKOR_DIST_DIR) / "snd.zkr", folder.path());
    EXPECT_TRUE(unpacked) << "the staged snd.zkr";
    return folder.path() / "snd" / name;
}

// One piano chord held for half a second (default tempo, 96 ticks a beat).
std::string ChordMidi() {
    const std::string track = std::string("\x00\xC0\x00", 3) +  // piano
                              std::string("\x00\x90\x3C\x64\x00\x40\x64\x00\x43\x64", 10) +
                              std::string("\x60\x80\x3C\x00\x00\x40\x00\x00\x43\x00", 10) +
                              std::string("\x00\xFF\x2F\x00", 4);  // end of track
    std::string midi = std::string("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60", 14) + "MTrk";
    for (int shift = 24; shift >= 0; shift -= 8)
        midi += static_cast<char>((track.size() >> shift) & 0xFF);
    return midi + track;
}

// Waits up to `limit` for `done`.
bool Within(std::chrono::milliseconds limit, const std::function<bool()>& done) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

TEST(MixerLevels, VolumeAndBalanceFollowTheDecibelCurve) {
    EXPECT_EQ(MixerVolume(0), 128);
    EXPECT_EQ(MixerVolume(-602), 64) << "6 dB halves the amplitude";
    EXPECT_EQ(MixerVolume(-1225), 31);
    EXPECT_EQ(MixerVolume(-2500), 7) << "the quietest music is still heard";
    EXPECT_EQ(MixerVolume(-10000), 0);
    EXPECT_EQ(MixerVolume(300), 128);

    const MixerPanning centre = MixerPanningOf(0), left = MixerPanningOf(-602),
                       right = MixerPanningOf(2000);
    EXPECT_TRUE(centre.left == 255 && centre.right == 255);
    EXPECT_TRUE(left.left == 255 && left.right == 128) << "a negative balance quietens the right";
    EXPECT_TRUE(right.left == 26 && right.right == 255);
}

class SdlAudioTest : public ::testing::Test {
protected:
    explicit SdlAudioTest(const char* driver = "dummy") { ::setenv("SDL_AUDIODRIVER", driver, 1); }

    std::filesystem::path Write(const std::string& name, const std::string& bytes) {
        const auto file = folder.path() / name;
        WriteBytes(file, bytes);
        return file;
    }

    TempFolder folder;
};

TEST_F(SdlAudioTest, AnEffectAskedForAgainStartsOverOnItsOwnChannel) {
    SdlMixer mixer;
    SdlSound sound(mixer);
    ASSERT_TRUE(sound.Open());
    ASSERT_TRUE(sound.CreateBuffer(3, Effect("explode.wav")));
    EXPECT_FALSE(sound.CreateBuffer(4, Write("broken.wav", "RIFF....WAVE")));
    EXPECT_FALSE(sound.CreateBuffer(5, folder.path() / "missing.wav"));

    sound.Play(3, 0, 0);
    sound.Play(3, 0, 0);
    sound.Play(4, 0, 0);  // no buffer: nothing
    EXPECT_EQ(Mix_Playing(-1), 1) << "the second play replaced the first";
    EXPECT_EQ(Mix_Playing(2), 1) << "entry 3 plays on channel 2";

    sound.ReleaseBuffers();
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SdlAudioTest, ATrackEndsWhenItHasPlayedThroughAndCanStartAgain) {
    SdlMixer mixer;
    SdlMusic music(mixer);
    EXPECT_FALSE(music.Load(Write("early.mid", ChordMidi()))) << "no output open yet";
    ASSERT_TRUE(mixer.Open());
    EXPECT_FALSE(music.Load(Write("noise.ogg", "not a tune")));
    EXPECT_FALSE(music.Load(folder.path() / "missing.mid"));
    EXPECT_FALSE(music.Play(0)) << "nothing loaded";

    for (const auto& track : {Effect("collect.wav"), Write("chord.mid", ChordMidi())}) {
        SCOPED_TRACE(track);
        ASSERT_TRUE(music.Load(track));
        ASSERT_TRUE(music.Play(0));
        EXPECT_FALSE(music.Ended());
        EXPECT_TRUE(Within(5s, [&] { return music.Ended(); }));
        ASSERT_TRUE(music.Play(0));
        EXPECT_FALSE(music.Ended()) << "played again from the start";
        music.Stop();
    }
}

// The loudest of the 16-bit samples the disk driver wrote.
int Peak(const std::filesystem::path& file) {
    const std::string bytes = ReadBytes(file);
    int peak = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto sample = static_cast<std::int16_t>(
            static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    return peak;
}

class DiskAudioTest : public SdlAudioTest {
protected:
    DiskAudioTest() : SdlAudioTest("disk") {}

    // Runs `play` with a fresh output writing to a file of its own, lets the mixer
    // play for a while and returns the loudest sample it wrote.
    int Heard(const std::function<void(SdlSound&, SdlMusic&)>& play) {
        const auto out = folder.path() / ("out" + std::to_string(++runs_) + ".raw");
        ::setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);
        {
            SdlMixer mixer;
            SdlSound sound(mixer);
            SdlMusic music(mixer);
            EXPECT_TRUE(sound.Open());
            play(sound, music);
            std::this_thread::sleep_for(700ms);
        }
        return Peak(out);
    }

private:
    int runs_ = 0;
};

TEST_F(DiskAudioTest, AnEffectAndAMidiTrackReachTheOutputAtTheirVolume) {
    const auto chord = Write("chord.mid", ChordMidi());

    EXPECT_LT(Heard([](SdlSound&, SdlMusic&) {}), 10) << "silence when nothing plays";
    const int effect = Heard([&](SdlSound& sound, SdlMusic&) {
        ASSERT_TRUE(sound.CreateBuffer(1, Effect("collect.wav")));
        sound.Play(1, 0, 0);
    });
    EXPECT_GT(effect, 20000) << effect << ": the effect peaks at 80 % of full scale";

    auto track = [&](int volume) {
        return Heard([&](SdlSound&, SdlMusic& music) {
            ASSERT_TRUE(music.Load(chord));
            music.SetVolume(volume);
            ASSERT_TRUE(music.Play(0));
        });
    };
    const int loud = track(0), quiet = track(-2500);
    EXPECT_GT(loud, 1000) << "FluidSynth played the chord";
    EXPECT_GT(quiet, 0) << "the quietest music is not silence";
    EXPECT_LT(quiet * 5, loud);
}

}  // namespace
}  // namespace zelkor
