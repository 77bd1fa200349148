// The sound effects, music files and computer-snake names in the game folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <set>
#include <string>

#include "tests/tools/assets/game_folder.h"

namespace zelkor::assetgen::testing {
namespace {

std::uint32_t Le(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | b[at + i];
    return v;
}

std::uint32_t Be(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v = v << 8 | b[at + i];
    return v;
}

TEST(GameSounds, EffectsArePcmStereo22kHz16Bit) {
    for (const char* name : {"collect.wav", "explode.wav", "live.wav", "wall.wav"}) {
        const auto b = ReadBytes(GameFile(std::string("snd/") + name));
        ASSERT_GT(b.size(), 44u) << name;
        EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF") << name;
        EXPECT_EQ(Le(b, 4, 4), b.size() - 8) << name;
        EXPECT_EQ(Le(b, 20, 2), 1u) << name << " is not PCM";
        EXPECT_EQ(Le(b, 22, 2), 2u) << name;
        EXPECT_EQ(Le(b, 24, 4), 22050u) << name;
        EXPECT_EQ(Le(b, 28, 4), 22050u * 4) << name;
        EXPECT_EQ(Le(b, 32, 2), 4u) << name;
        EXPECT_EQ(Le(b, 34, 2), 16u) << name;
        EXPECT_EQ(Le(b, 40, 4), b.size() - 44) << name;
        EXPECT_LT(b.size() - 44, 22050u * 4 * 2) << name << " is longer than two seconds";
    }
}

struct MidiSummary {
    int format = -1, tracks = 0, division = 0;
    double seconds = 0;
    bool hangingNotes = false;
};

MidiSummary ReadMidi(const std::vector<unsigned char>& b) {
    MidiSummary m;
    if (b.size() < 14 || std::string(b.begin(), b.begin() + 4) != "MThd") return m;
    m.format = static_cast<int>(Be(b, 8, 2));
    m.tracks = static_cast<int>(Be(b, 10, 2));
    m.division = static_cast<int>(Be(b, 12, 2));
    double tempo = 500000;  // microseconds per quarter until set
    std::uint32_t longest = 0;
    std::size_t at = 14;
    for (int t = 0; t < m.tracks && at + 8 <= b.size(); ++t) {
        const std::size_t end = at + 8 + Be(b, at + 4, 4);
        std::size_t p = at + 8;
        std::uint32_t tick = 0;
        int open = 0;
        while (p < end) {
            std::uint32_t delta = 0;
            do
                delta = delta << 7 | (b[p] & 0x7F);
            while (b[p++] & 0x80);
            tick += delta;
            const unsigned char status = b[p];
            if (status == 0xFF) {
                const unsigned char type = b[p + 1];
                const unsigned len = b[p + 2];
                if (type == 0x51) tempo = Be(b, p + 3, 3);
                p += 3 + len;
            } else if ((status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0) {
                p += 2;
            } else {
                if ((status & 0xF0) == 0x90 && b[p + 2] > 0) {
                    ++open;
                } else if ((status & 0xF0) == 0x80 || (status & 0xF0) == 0x90) {
                    --open;
                }
                p += 3;
            }
        }
        if (open != 0) m.hangingNotes = true;
        longest = std::max(longest, tick);
        at = end;
    }
    m.seconds = longest / static_cast<double>(m.division) * tempo / 1e6;
    return m;
}

TEST(GameMusic, EveryOfferedTrackIsAStandardMidiFileOfOneToTwoMinutes) {
    for (const char* name : {"music1.mid", "casper.mid", "lion.mid", "dark.mid", "rasputin.mid",
                             "aktex.mid", "doom1.mid", "doom2.mid"}) {
        const MidiSummary m = ReadMidi(ReadBytes(GameFile(std::string("music/") + name)));
        EXPECT_EQ(m.format, 1) << name;
        EXPECT_GE(m.tracks, 4) << name;
        EXPECT_GE(m.seconds, 60.0) << name;
        EXPECT_LE(m.seconds, 120.0) << name;
        EXPECT_FALSE(m.hangingNotes) << name << " leaves notes sounding at its loop point";
    }
}

TEST(GameContent, ComputerSnakeNamesAreManyAndDistinct) {
    std::ifstream in(std::filesystem::path(ZELKOR_SOURCE_DIR) / "content" / "AI_Names.lst");
    ASSERT_TRUE(in);
    std::set<std::string> names;
    std::string line;
    while (std::getline(in, line)) {
        ASSERT_FALSE(line.empty()) << "an empty line would be drawn as a name";
        EXPECT_EQ(line.find('\r'), std::string::npos);
        EXPECT_LE(line.size(), 20u) << line;
        EXPECT_TRUE(names.insert(line).second) << "twice: " << line;
    }
    EXPECT_GE(names.size(), 40u);
    EXPECT_LE(names.size(), 99u) << "the game reads at most 99 names";
}

}  // namespace
}  // namespace zelkor::assetgen::testing
