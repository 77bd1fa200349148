#pragma once

#include <filesystem>
#include <string>

#include "common/settings_store.h"

namespace zelkor::editor {

// What the editor keeps between runs, in section "lvlEdit" of the settings shared
// with the game.
struct EditorSettings {
    std::string author = "Unknown";  // Windows-1252
    bool useGrid = false;
    std::filesystem::path gamePath;  // the game program
    // The position in the list "1".."15" (0 for 1 computer snake ... 14 for 15), or -1
    // for none.
    int testComputerSnakes = 0;
    bool testDeathmatch = false;
    bool testHunting = false;
    bool testWindow = true;  // the test run plays in a window, not full screen

    friend bool operator==(const EditorSettings&, const EditorSettings&) = default;
};

inline constexpr std::string_view kEditorSection = "lvlEdit";

// Missing or unreadable values keep the defaults in `defaults`.
EditorSettings ReadEditorSettings(SettingsStore& store, const EditorSettings& defaults = {});
bool WriteEditorSettings(SettingsStore& store, const EditorSettings& settings);

}  // namespace zelkor::editor
