#include "common/settings_store.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/atomic_file.h"
#include "tests/common/hostile_files.h"
#include "tests/common/temp_folder.h"

namespace zelkor {
namespace {
namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
protected:
    TempFolder dir_;
    const fs::path file_ = dir_.path() / "Zelkor" / "settings.ini";
};

TEST_F(SettingsFileTest, ValuesComeBackExactlyAsWritten) {
    const std::string awkward[] = {
        "  two blanks before and after  ",
        "\"quoted\"",
        "\"",
        "",
        "a=b ; c # d",
        "J\xFCrgen \x80 \x9F",  // Windows-1252 bytes
        "\tTab",
    };
    {
        IniSettingsStore store(file_);
        EXPECT_FALSE(store.Read("Options", "Player Name").has_value()) << "fresh store";
        for (std::size_t i = 0; i < std::size(awkward); ++i)
            ASSERT_TRUE(store.Write("Test", "Key " + std::to_string(i), awkward[i]));
    }
    IniSettingsStore again(file_);  // a new run reads the file from scratch
    for (std::size_t i = 0; i < std::size(awkward); ++i)
        EXPECT_EQ(again.Read("Test", "Key " + std::to_string(i)), awkward[i]) << i;
    EXPECT_EQ(again.Read("test", "KEY 0"), awkward[0]) << "names ignore letter case";

    const std::string onDisk = ReadBytes(file_);
    EXPECT_NE(onDisk.find("J\xC3\xBCrgen \xE2\x82\xAC \xC5\xB8"), std::string::npos)
        << "the file holds UTF-8";
    EXPECT_FALSE(again.Damaged());
}

TEST_F(SettingsFileTest, WhatIsWrittenReadsBackOrIsRefusedAndSaid) {
    IniSettingsStore store(file_);
    std::vector<std::string> lines;
    store.SetReporter([&](std::string_view line) { lines.emplace_back(line); });
    ASSERT_TRUE(store.Write("Options", "Player Name", "Old"));
    const SettingsEntry batch[] = {{"Options", "Player Name", "x\r\n[Options]\nNoCleanUp=True"},
                                   {"Options", "gSpeed", "90"}};
    EXPECT_FALSE(store.WriteBatch(batch)) << "a line break cannot be stored";
    EXPECT_EQ(lines, std::vector<std::string>{"Could not save the settings: [Options] Player Name "
                                              "holds a line break or a control character"});
    IniSettingsStore again(file_);
    EXPECT_EQ(again.Read("Options", "Player Name"), "Old");
    EXPECT_EQ(again.Read("Options", "gSpeed"), "90") << "the rest of the write is kept";
    EXPECT_FALSE(again.Read("Options", "NoCleanUp").has_value());
}

// The game and the editor at once, each loading, changing and saving its own keys many
// times over: every round finds what the same program saved the round before, and the
// file ends up clean with the last value of every key.
TEST_F(SettingsFileTest, TwoProgramsSavingAtOnceLoseNothing) {
    constexpr int kRounds = 300;
    const TempFolder memory(fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path());
    const fs::path file = memory.path() / "settings.ini";
    const std::vector<SettingsEntry> game{
        {"Options", "gSpeed", ""}, {"Options", "Player Name", ""}, {"HiScore", "Name 1", ""}};
    const std::vector<SettingsEntry> editor{
        {"lvlEdit", "Author", ""}, {"lvlEdit", "Grid", ""}, {"lvlEdit", "Test_AI_Snakes", ""}};
    const auto program = [&](std::vector<SettingsEntry> keys, char tag) {
        int faults = 0;
        for (int round = 0; round < kRounds; ++round) {
            IniSettingsStore store(file);
            for (SettingsEntry& e : keys) {
                if (round > 0 && store.Read(e.section, e.key) != e.value) ++faults;
                e.value = tag + std::to_string(round);
            }
            if (!store.WriteBatch(keys)) ++faults;
        }
        ::_exit(std::min(faults, 100));
    };
    // Both start at the same moment: when the gate closes.
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    std::vector<pid_t> children;
    for (const auto& [keys, tag] : {std::pair{game, 'g'}, std::pair{editor, 'e'}}) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(gate[1]);
            char c;
            (void)!::read(gate[0], &c, 1);
            program(keys, tag);
        }
        children.push_back(pid);
    }
    ::close(gate[0]);
    ::close(gate[1]);
    for (const pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << "lost or failed saves: " << WEXITSTATUS(status);
    }
    IniSettingsStore after(file);
    EXPECT_FALSE(after.Damaged());
    for (const auto& [keys, tag] : {std::pair{game, 'g'}, std::pair{editor, 'e'}})
        for (const SettingsEntry& e : keys)
            EXPECT_EQ(after.Read(e.section, e.key), tag + std::to_string(kRounds - 1)) << e.key;
}

TEST_F(SettingsFileTest, SeesAFileChangedByHand) {
    IniSettingsStore store(file_);
    store.Write("Options", "MusicVolume", "30");
    EXPECT_EQ(store.Read("Options", "MusicVolume"), "30");
    WriteBytes(file_, "[Options]\n; a comment\nMusicVolume = 75\n");
    EXPECT_EQ(store.Read("Options", "MusicVolume"), "75");
    store.Write("Options", "SndEnabled", "False");
    EXPECT_NE(ReadBytes(file_).find("; a comment"), std::string::npos)
        << "lines the store does not own stay";
}

TEST_F(SettingsFileTest, AWriteBrokenOffBeforeTheFileIsReplacedLosesNothing) {
    {
        IniSettingsStore store(file_);
        ASSERT_TRUE(store.Write("Options", "Player Name", "Old"));
    }
    const std::string before = ReadBytes(file_);
    EXPECT_EXIT(
        {
            IniSettingsStore store(file_);
            store.SetBeforeReplaceHook([] { ::_exit(7); });
            store.Write("Options", "Player Name", "New");
        },
        ::testing::ExitedWithCode(7), "");
    EXPECT_EQ(ReadBytes(file_), before);

    // The dead writer's lock went with it and its half-done file is no obstacle.
    IniSettingsStore store(file_);
    EXPECT_EQ(store.Read("Options", "Player Name"), "Old");
    ASSERT_TRUE(store.Write("Options", "gSpeed", "80"));
    IniSettingsStore fresh(file_);
    EXPECT_EQ(fresh.Read("Options", "Player Name"), "Old");
    EXPECT_EQ(fresh.Read("Options", "gSpeed"), "80");
}

TEST_F(SettingsFileTest, ADamagedFileGivesWhatIsReadableAndIsKeptBeforeReplacing) {
    const std::string damaged = std::string(
                                    "[Options]\n"
                                    "gSpeed=140\n"
                                    "\x01\x02\xFF\xFE junk\n"
                                    "MusicVolume=\xC3(\n"  // broken UTF-8: unreadable
                                    "just words\n"
                                    "[HiScore\n"  // broken header: its keys are not trusted
                                    "Name 1=Ghost\n"
                                    "[Tweak]\n"
                                    "Speed=0.7\n") +
                                std::string("\0\0\0", 3);
    WriteBytes(file_, damaged);

    IniSettingsStore store(file_);
    EXPECT_TRUE(store.Damaged());
    EXPECT_EQ(store.Read("Options", "gSpeed"), "140");
    EXPECT_EQ(store.Read("Tweak", "Speed"), "0.7");
    EXPECT_FALSE(store.Read("Options", "MusicVolume").has_value());
    EXPECT_FALSE(store.Read("Options", "Name 1").has_value());
    EXPECT_FALSE(store.Read("HiScore", "Name 1").has_value());

    ASSERT_TRUE(store.Write("Options", "Player Name", "Zed"));
    EXPECT_EQ(ReadBytes(fs::path(file_.string() + ".damaged")), damaged);
    IniSettingsStore fresh(file_);
    EXPECT_FALSE(fresh.Damaged());
    EXPECT_EQ(fresh.Read("Options", "gSpeed"), "140");
    EXPECT_EQ(fresh.Read("Options", "Player Name"), "Zed");
    EXPECT_EQ(fresh.Read("Tweak", "Speed"), "0.7");
}

TEST_F(SettingsFileTest, AFullDiskKeepsTheOldFileAndTheValueForTheRunAndSaysWhyOnce) {
    IniSettingsStore(file_).Write("Options", "gSpeed", "100");
    const std::string before = ReadBytes(file_);
    ExpectTrueOnAFullDisk(10, [&] {  // less than any settings file
        IniSettingsStore store(file_);
        std::vector<std::string> lines;
        store.SetReporter([&](std::string_view line) { lines.emplace_back(line); });
        const bool failed =
            !store.Write("Options", "gSpeed", "150") && !store.Write("Options", "gSpeed", "160");
        return failed && store.Read("Options", "gSpeed") == "160" &&
               lines == std::vector<std::string>{"Could not save the settings: File too large"};
    });
    EXPECT_EQ(ReadBytes(file_), before);
    EXPECT_FALSE(fs::exists(AtomicFileWriter::TemporaryName(file_)));
}

TEST_F(SettingsFileTest, ALargeFileKeepsItsKeysAndJunkBeyondAnyReasonIsKeptWhole) {
    std::string large = "[Options]\ngSpeed=140\n[Notes]\n";
    for (int i = 0; large.size() < (2u << 20); ++i)
        large += "note" + std::to_string(i) + "=something the player wrote down\n";
    WriteBytes(file_, large);
    {
        IniSettingsStore store(file_);
        EXPECT_FALSE(store.Damaged());
        EXPECT_EQ(store.Read("Options", "gSpeed"), "140");
        ASSERT_TRUE(store.Write("Options", "MusicVolume", "60"));
        EXPECT_EQ(IniSettingsStore(file_).Read("Notes", "note1000"),
                  "something the player wrote down");
    }

    const std::string junk = "[Options]\ngSpeed=150\n" + std::string(17u << 20, 'j');
    WriteBytes(file_, junk);
    IniSettingsStore store(file_);
    std::vector<std::string> lines;
    store.SetReporter([&](std::string_view line) { lines.emplace_back(line); });
    EXPECT_TRUE(store.Damaged());
    EXPECT_FALSE(store.Read("Options", "gSpeed").has_value()) << "junk gives only defaults";
    ASSERT_TRUE(store.Write("Options", "Player Name", "Zed"));
    EXPECT_EQ(ReadBytes(fs::path(file_.string() + ".damaged")), junk);
    IniSettingsStore fresh(file_);
    EXPECT_FALSE(fresh.Damaged());
    EXPECT_EQ(fresh.Read("Options", "Player Name"), "Zed");
    ASSERT_EQ(lines.size(), 2u) << "one line as the file is read, one as it is kept aside";
    EXPECT_NE(lines[0].find("is far too large"), std::string::npos) << lines[0];
}

TEST_F(SettingsFileTest, LinksPlantedBesideTheFileAreNeverFollowed) {
    const fs::path outside = dir_.path() / "outside.txt";
    const fs::path notThere = dir_.path() / "not-there.txt";
    for (const std::string suffix : {".tmp", ".damaged.tmp", ".lock"}) {
        for (const fs::path& to : {outside, notThere}) {
            // A damaged line, so that the damaged copy is written too.
            WriteBytes(file_, "\x01\n");
            WriteBytes(outside, "not the game's");
            const fs::path planted = file_.string() + suffix;
            fs::remove(planted);
            fs::create_symlink(to, planted);

            IniSettingsStore store(file_);
            store.Write("Options", "gSpeed", "90");
            EXPECT_EQ(ReadBytes(outside), "not the game's") << suffix;
            EXPECT_FALSE(fs::exists(notThere)) << suffix;
        }
    }
}

TEST_F(SettingsFileTest, AFifoAsTheFileOrTheLockNeitherHangsNorIsReplaced) {
    for (const std::string suffix : {"", ".lock"}) {
        const fs::path fifo = file_.string() + suffix;
        fs::remove(fifo);
        MakeFifo(fifo);
        ExpectTrueWithin(5, [&] {
            IniSettingsStore store(file_);
            const bool defaults = !store.Read("Options", "gSpeed").has_value();
            store.Write("Options", "gSpeed", "90");
            return defaults && store.Read("Options", "gSpeed") == "90";
        });
        EXPECT_TRUE(fs::is_fifo(fifo)) << suffix;
        fs::remove(fifo);
    }
}

TEST(DefaultSettingsFile, FollowsTheConfigFolderConvention) {
    EXPECT_EQ(DefaultSettingsFile("/cfg", "/home/u"), fs::path("/cfg/Zelkor/settings.ini"));
    EXPECT_EQ(DefaultSettingsFile(nullptr, "/home/u"),
              fs::path("/home/u/.config/Zelkor/settings.ini"));
    EXPECT_EQ(DefaultSettingsFile("relative/cfg", "/home/u"),
              fs::path("/home/u/.config/Zelkor/settings.ini"))
        << "a relative config folder is ignored";
}

TEST(MemorySettingsStore, KeepsValuesByCaseInsensitiveNames) {
    MemorySettingsStore store;
    EXPECT_FALSE(store.Read("Options", "gSpeed").has_value());
    store.Write("Options", "gSpeed", " 7 ");
    EXPECT_EQ(store.Read("OPTIONS", "gspeed"), " 7 ");
    EXPECT_FALSE(store.Read("Tweak", "gSpeed").has_value());
}

}  // namespace
}  // namespace zelkor
