// A headless run ends as the game's window does (GameSetup ends both; the clean-up
// itself is QuitCleanUp's, tested on its own): it keeps its settings where the run
// keeps them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "game/control/headless/key_script.h"
#include "game/control/input/key_handler.h"
#include "tests/scenarios/key_script_writer.h"
#include "tests/scenarios/replay.h"
#include "tests/support/quiet_services.h"

namespace zelkor {
namespace {

namespace fs = std::filesystem;
using scenario::KeyScriptWriter;

constexpr std::int64_t kSeed = 11;

// The options page, the player's name cleared and "zy" typed: nothing saves it before
// the run ends.
KeyScriptWriter NameTyped() {
    KeyScriptWriter keys;
    keys.Tap(key::Down).Tap(key::Enter).Tap(key::Down, 7).Tap(key::Enter).Type("zy");
    return keys;
}

// The same run in the window, closed when the headless run's time runs out: the game's
// setup on the settings file, as the program wires it.
void PlayInWindow(const fs::path& gameDir, const fs::path& settingsFile, const std::string& keys,
                  std::int64_t runMs) {
    support::QuietServices quiet(kSeed);
    AddKeyScript(ParseKeyScript(keys), kSeed, quiet.keyboard);
    IniSettingsStore settings(settingsFile);
    quiet.settings = &settings;
    SteppingWindowEvents events(quiet.clock, 16, kSeed + runMs);
    NullArchiveReaders archives;
    GameSetup setup(quiet.Services(events, archives), gameDir);
    bool closed = false;
    events.OnEachStep([&](bool timeUp) {
        if (timeUp && !closed) {
            closed = true;
            setup.window().WindowClosed();
        }
        return false;
    });
    setup.Run("");
}

// The lines of a settings file in order, so that files holding the same keys compare
// equal whichever was written first.
std::vector<std::string> SortedLines(const fs::path& file) {
    std::vector<std::string> lines;
    std::istringstream in(ReadBytes(file));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

TEST(HeadlessEnd, TheSettingsFileGivenEndsAsTheWindowLeavesIt) {
    scenario::Replay replay;
    const std::string before = "[Options]\r\nPlayer Name=Ada\r\n[HiScore]\r\nName 1=Bo\r\n";
    const fs::path headless = replay.WriteSettings(before);
    const KeyScriptWriter keys = NameTyped();
    replay.Play("", keys.End() + 300, keys.Text(), kSeed);
    const fs::path window = replay.dir() / "window.ini";
    WriteBytes(window, before);
    PlayInWindow(replay.dir(), window, keys.Text(), keys.End() + 300);

    EXPECT_NE(ReadBytes(headless).find("Player Name=zy"), std::string::npos);
    EXPECT_EQ(SortedLines(headless), SortedLines(window));
}

TEST(HeadlessEnd, WithoutASettingsFileThePlayersSettingsAreNeverTouched) {
    scenario::Replay replay;
    const fs::path config = replay.dir() / "config";
    ASSERT_EQ(setenv("XDG_CONFIG_HOME", config.c_str(), 1), 0);
    const fs::path players = DefaultSettingsFile();
    ASSERT_TRUE(players.string().starts_with(config.string()));
    const std::string before = "[Options]\r\nPlayer Name=Ada\r\n";
    WriteBytes(players, before);
    const KeyScriptWriter keys = NameTyped();
    const auto run = replay.Play("", keys.End() + 300, keys.Text(), kSeed);
    EXPECT_EQ(run.dump["Snakes"][0]["name"], "zy") << "a name the run would have saved";
    EXPECT_EQ(ReadBytes(players), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(players.parent_path()), {}), 1);
}

}  // namespace
}  // namespace zelkor
