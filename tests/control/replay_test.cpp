#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <random>
#include <string>

#include "common/game_files.h"
#include "common/sha256.h"
#include "game/control/replay/replay_file.h"
#include "tests/common/temp_folder.h"

namespace zelkor {
namespace {

using namespace std::string_literals;

ReplayHeader SampleHeader() {
    ReplayHeader h;
    h.gameVersion = "1.0.0";
    h.randomState = {1, 0xffffffffffffffffu, 1234567890123u, 0};
    h.settingsText = "[Options]\r\nPlayer Name=Zo\xeb\r\n";
    h.switches = {"/L=lvl5.dat", "--window"};
    h.files = {{"lvl/lvl5.dat", Sha256Hex("level")}, {"AI_Names.lst", Sha256Hex("")}};
    h.finalScore = -3;
    h.finalLevel = 18;
    h.gamesBefore = 0xffffffffu;
    h.startupRecords = 1;
    h.startState = "\xa2\x00"s;
    h.gameSettingsText = "[HiScore]\nName 1=Bo\n";
    h.startDigest = Sha256Hex("start");
    return h;
}

ReplayRecord Record(ReplayInput kind, std::int64_t value, std::string name = {}) {
    return {kind, value, {}, {}, std::move(name)};
}

// Ten minutes of typical play: the loop reads the clock (16 or 17 ms apart, sometimes a
// stall) and polls the keyboard once a pass; a steering key goes down or up every few
// tenths of a second; now and then the window, a message box, a sound or a file answers.
Replay TenMinutesOfPlay() {
    Replay replay{SampleHeader(), {}};
    std::mt19937 random(7);
    std::int64_t now = 5'000'000'000;
    std::vector<std::uint8_t> held;
    const std::uint8_t steering[] = {200, 203, 205, 208, 57};
    replay.records.push_back(Record(ReplayInput::SoundReady, 1));
    replay.records.push_back(Record(ReplayInput::FilePresence, 0, "gfx/menu/bkg.bmp"));
    for (int pass = 0; now < 5'000'000'000 + 600'000; ++pass) {
        now += random() % 600 == 0 ? 200 + random() % 900 : 16 + random() % 2;
        replay.records.push_back(Record(ReplayInput::Clock, now));
        ReplayRecord keys = Record(ReplayInput::Keys, 0);
        if (random() % 20 == 0) {
            const std::uint8_t code = steering[random() % std::size(steering)];
            const auto at = std::lower_bound(held.begin(), held.end(), code);
            if (at != held.end() && *at == code) {
                held.erase(at);
            } else {
                held.insert(at, code);
                keys.presses.push_back(code);
            }
        }
        keys.held = held;
        replay.records.push_back(std::move(keys));
        if (pass % 5000 == 0) {
            replay.records.push_back(Record(ReplayInput::Window, 2));
            replay.records.push_back(Record(ReplayInput::Window, 1));
            replay.records.push_back(Record(ReplayInput::MessageBox, 200));
            replay.records.push_back(Record(ReplayInput::SoundLoad, 1, "snd/eat.wav"));
        }
    }
    return replay;
}

TEST(ReplayFile, RoundTripsTenMinutesOfPlayCompactlyOnDiskAndInMemory) {
    const Replay replay = TenMinutesOfPlay();
    const std::string bytes = EncodeReplay(replay);
    std::cout << "ten minutes of play: " << replay.records.size() << " records, " << bytes.size()
              << " bytes\n";
    EXPECT_LT(bytes.size(), 100'000u);

    ReplayRead read = DecodeReplay(bytes);
    ASSERT_TRUE(read.replay) << read.refusal;
    EXPECT_TRUE(*read.replay == replay);

    TempFolder folder;
    const std::filesystem::path file = folder.path() / "last.zkreplay";
    ASSERT_TRUE(WriteReplayFile(file, replay));
    EXPECT_EQ(ReadBytes(file), bytes);
    read = ReadReplayFile(file);
    ASSERT_TRUE(read.replay) << read.refusal;
    EXPECT_TRUE(*read.replay == replay);
    EXPECT_EQ(ReadReplayFile(folder.path() / "none.zkreplay").refusal, kReplayUnreadableText);
}

std::string Resealed(std::string body) {
    return body + Sha256Hex(body);
}

TEST(ReplayFile, RefusesEveryDamagedForeignOrOtherVersionFileWithItsReason) {
    Replay small{SampleHeader(),
                 {Record(ReplayInput::Clock, 100), Record(ReplayInput::Keys, 0),
                  Record(ReplayInput::FilePresence, 1, "lvl/lvl5.dat")}};
    small.records[1].held = {200, 203};
    small.records[1].presses = {203};
    const std::string bytes = EncodeReplay(small);
    const std::string body = bytes.substr(0, bytes.size() - 64);

    for (std::size_t n = 0; n < bytes.size(); ++n)
        EXPECT_FALSE(DecodeReplay(std::string_view(bytes).substr(0, n)).replay) << "cut at " << n;

    Replay otherRules = small;
    otherRules.header.behaviourVersion = kBehaviourVersion + 1;
    Replay longStartUp = small;  // a start-up longer than the records, and a cut without state
    longStartUp.header.startupRecords = 4;
    Replay noState = small;
    noState.header.startState.clear();
    std::string flipped = bytes;
    flipped[bytes.size() / 2] ^= 0x10;
    const struct {
        std::string bytes;
        const char* refusal;
    } cases[] = {
        {"ZKREPLAX" + bytes.substr(8), kReplayForeignText},
        {"[Options]\r\n", kReplayForeignText},
        {"ZKREPLAY\x03" + bytes.substr(9), kReplayNewerText},
        {"ZKREPLAY\x01" + bytes.substr(9), kReplayOlderText},
        {EncodeReplay(longStartUp), kReplayDamagedText},
        {EncodeReplay(noState), kReplayDamagedText},
        {"ZKREPLAY\x80\x01", kReplayNewerText},
        {EncodeReplay(otherRules), kReplayRulesDifferText},
        {flipped, kReplayDamagedText},
        {bytes.substr(0, bytes.size() - 1), kReplayDamagedText},
        {bytes + "x", kReplayDamagedText},
        // Sealed as written but not as the game writes: a music answer of no question, a key code
        // 0, a number written longer than it needs, a small clock change written as a large one.
        {Resealed(body + "\x37"), kReplayDamagedText},
        {Resealed(body + "\x09\x00"s), kReplayDamagedText},
        {Resealed(body + "\xf8\x80\x00"s), kReplayDamagedText},
        {Resealed(body + "\xf8\x02"s), kReplayDamagedText},
    };
    for (const auto& c : cases) {
        const ReplayRead read = DecodeReplay(c.bytes);
        EXPECT_FALSE(read.replay);
        EXPECT_EQ(read.refusal, c.refusal) << testing::PrintToString(c.bytes);
    }
    EXPECT_TRUE(DecodeReplay(Resealed(body + "\x00"s)).replay) << "a clock reading is a record";
}

TEST(ReplayFile, NamesTheFirstConsultedFileThatChangedOrWent) {
    TempFolder folder;
    WriteBytes(folder.path() / "lvl/lvl5.dat", "level");
    WriteBytes(folder.path() / "AI_Names.lst", "");
    const GameFiles files(folder.path());
    const ReplayHeader header = SampleHeader();
    EXPECT_EQ(ChangedReplayFile(header, files), std::nullopt);

    WriteBytes(folder.path() / "lvl/lvl5.dat", "levem");
    EXPECT_EQ(ChangedReplayFile(header, files),
              "lvl5.dat has changed since this replay was recorded");
    WriteBytes(folder.path() / "lvl/lvl5.dat", "level");
    std::filesystem::remove(folder.path() / "AI_Names.lst");
    EXPECT_EQ(ChangedReplayFile(header, files),
              "AI_Names.lst has changed since this replay was recorded");
}

}  // namespace
}  // namespace zelkor
