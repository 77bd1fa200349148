#pragma once

// Whole runs of the game on small levels that a test writes into its game folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/control/headless/headless.h"
#include "game/control/input/key_handler.h"
#include "game/platform/archive_readers.h"
#include "game/platform/headless_platform.h"
#include "tests/common/temp_folder.h"
#include "tests/support/archives.h"

namespace zelkor::scenario {

// A level file written the way the editor lays it out: 22 grid lines of 31
// cells ("c "), then key lines, all ending in CR LF. Columns and rows count
// from 1; a snake or an item in cell (col, row) stands at (20*col-10, 20*row-10),
// a wall or a user item at (20*col, 20*row). An empty `next` leaves out "nextLvl=".
class LevelText {
public:
    explicit LevelText(const std::string& name, const std::string& next = "END") {
        rows_.fill(EmptyRow());
        Key("lvlName= " + name);
        if (!next.empty()) Key("nextLvl= " + next);
    }

    LevelText& Put(int col, int row, char code) {
        rows_.at(static_cast<std::size_t>(row - 1)).at(static_cast<std::size_t>(2 * (col - 1))) =
            code;
        return *this;
    }
    LevelText& Key(const std::string& line) {
        keys_.push_back(line);
        return *this;
    }
    LevelText& Key(const std::string& key, int value) {
        return Key(key + " " + std::to_string(value));
    }
    // The player's start in pixels; PlayerStart takes a cell.
    LevelText& PlayerAt(int x, int y) { return Key("SnakeStrtX=", x).Key("SnakeStrtY=", y); }
    LevelText& PlayerStart(int col, int row) { return PlayerAt(20 * col - 10, 20 * row - 10); }
    std::string Text() const {
        std::string text;
        for (const std::string& row : rows_)
            text += row + "\r\n";
        text += "\r\n";
        for (const std::string& key : keys_)
            text += key + "\r\n";
        return text;
    }

private:
    static std::string EmptyRow() {
        std::string row;
        for (int col = 1; col <= 31; ++col)
            row += "0 ";
        return row;
    }

    std::array<std::string, 22> rows_;
    std::vector<std::string> keys_;
};

// The player starts in the leftmost column; a step to the left leaves the field.
inline LevelText EdgeLevel() {
    return LevelText("Edge").Key("reqScore= 9999").PlayerStart(1, 11);
}

// The centre of column `col`, where snakes and spawned items stand.
constexpr int CellX(int col) {
    return 20 * col - 10;
}

// A key pressed at `down` and let go at `up`.
inline std::string Hold(int down, int up, int code) {
    return std::to_string(down) + " " + std::to_string(code) + " 1\n" + std::to_string(up) + " " +
           std::to_string(code) + " 0\n";
}

// A key pressed at `time` and let go 40 ms later.
inline std::string Press(int time, int code) {
    return Hold(time, time + 40, code);
}

// F1 closes the information screen that follows every level load.
inline std::string CloseInfo(int time = 200) {
    return Press(time, key::F1);
}

// The information screen closed, then the player sets off with `key` at 300 ms.
inline std::string SetOff(int key) {
    return CloseInfo() + Press(300, key);
}

// A run of the game: its exit status and its dump (with the raw text, for comparisons).
struct Run {
    int status = 0;
    std::string text;
    nlohmann::json dump;
};

// A game folder of its own with the shipped levels, and runs of the game in it. Every run
// starts from the same seed unless told otherwise, so the same keys give the same run.
class Replay {
public:
    Replay();

    const std::filesystem::path& dir() const { return folder_.path(); }

    // A settings file for the runs to read and write (without one, each run
    // starts from a fresh store).
    std::filesystem::path WriteSettings(const std::string& text) {
        settings_ = dir() / "settings.ini";
        WriteBytes(*settings_, text);
        return *settings_;
    }

    // Runs read and write the settings at `file`, whatever stands there.
    void UseSettingsFile(const std::filesystem::path& file) { settings_ = file; }

    void AddLevel(const std::string& file, const LevelText& level) {
        WriteBytes(dir() / "lvl" / file, level.Text());
    }

    // A screenshot for the next run to take: the frame shown at `atMs`, written to
    // `name` in the game folder.
    std::filesystem::path ScreenshotAt(std::int64_t atMs, const std::string& name) {
        shots_.push_back({atMs, dir() / name});
        return shots_.back().file;
    }

    // The runs' F12 pictures go to `folder`.
    void PicturesTo(const std::filesystem::path& folder) { pictures_ = folder; }

    // The next run recorded: each game's replay written to `file` as it ends.
    void RecordTo(const std::filesystem::path& file) { record_ = file; }
    // `--verify-replay file` in this folder: its exit status, after what it printed.
    std::string Verify(const std::filesystem::path& file, int status);

    // A run that ends with exit status `status`.
    Run Play(const std::string& commandLine, std::int64_t runMs, const std::string& keys,
             std::int64_t seed = 11, int status = 0);

private:
    TempFolder folder_;
    std::optional<std::filesystem::path> settings_;
    std::optional<std::filesystem::path> record_;
    std::optional<std::filesystem::path> pictures_;
    std::vector<ProgramOptions::Screenshot> shots_;
};

// Whether one of the on-screen message lines reads `text`.
bool HasMessage(const nlohmann::json& dump, const std::string& text);

// The centre box as "text @y", one entry per line in use.
std::vector<std::string> CentredTexts(const nlohmann::json& dump);

}  // namespace zelkor::scenario
