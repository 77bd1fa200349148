#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "editor/core/editor_level.h"
#include "editor/core/level_writer.h"

namespace zelkor::editor {

struct EditorReadResult {
    EditorLevel level;
    // The name on the "Level Author: " line, if there is one. The editor keeps its
    // user's name; batch resaving keeps the level's.
    std::optional<std::string> author;
};

// Reads a level file's bytes with the editor's rules, over the level as it was:
// the grid, the two slot tables and the kept lines are replaced; a field whose key
// the file lacks keeps its value.
//
// The first 22 lines fill the grid cell after cell in reading order (every character
// but a blank and a line's last character), across lines; cells beyond the grid are
// ignored. Numbers are written back to their fields in their shortest form, the
// rates rounded and brought into their sliders' ranges.
EditorReadResult ReadEditorLevel(std::string_view bytes, const EditorLevel& before);

// Reads the file whole before anything changes: the level, or the reason it could not
// be read.
std::variant<std::string, FileResult> ReadLevelFileBytes(const std::filesystem::path& file);

// "Could not load! Err: 2 (No such file or directory)".
std::string LoadFailedMessage(const FileResult& result);

}  // namespace zelkor::editor
