#include "editor/core/editor_settings.h"

#include <algorithm>
#include <vector>

#include "common/numbers.h"
#include "common/text_encoding.h"

namespace zelkor::editor {
namespace {

bool ReadFlag(SettingsStore& store, std::string_view key, bool fallback) {
    const auto value = store.Read(kEditorSection, key);
    if (!value) return fallback;
    return ReadNumber(*value) != 0;
}

std::string FlagText(bool on) {
    return on ? "1" : "0";
}

}  // namespace

EditorSettings ReadEditorSettings(SettingsStore& store, const EditorSettings& defaults) {
    EditorSettings s = defaults;
    if (auto author = store.Read(kEditorSection, "Author")) s.author = *author;
    s.useGrid = ReadFlag(store, "Grid", s.useGrid);
    // Paths are bytes of the file system (UTF-8 here); the store holds Windows-1252.
    if (auto path = store.Read(kEditorSection, "ZelkorExe")) s.gamePath = Cp1252ToUtf8(*path);
    if (auto ais = store.Read(kEditorSection, "Test_AI_Snakes")) {
        const auto position = ReadInt16(*ais).value_or(0);
        s.testComputerSnakes = std::clamp<int>(position, -1, 14);
    }
    s.testDeathmatch = ReadFlag(store, "Test_Deathmatch", s.testDeathmatch);
    s.testHunting = ReadFlag(store, "Test_Hunting", s.testHunting);
    s.testWindow = ReadFlag(store, "Test_Window", s.testWindow);
    return s;
}

bool WriteEditorSettings(SettingsStore& store, const EditorSettings& s) {
    const std::string section(kEditorSection);
    const std::vector<SettingsEntry> entries{
        {section, "Author", s.author},
        {section, "Grid", FlagText(s.useGrid)},
        {section, "ZelkorExe", Utf8ToCp1252(s.gamePath.string())},
        {section, "Test_AI_Snakes", std::to_string(s.testComputerSnakes)},
        {section, "Test_Deathmatch", FlagText(s.testDeathmatch)},
        {section, "Test_Hunting", FlagText(s.testHunting)},
        {section, "Test_Window", FlagText(s.testWindow)},
    };
    return store.WriteBatch(entries);
}

}  // namespace zelkor::editor
