#pragma once

#include <filesystem>
#include <string>

#include "editor/core/editor_level.h"

namespace zelkor::editor {

struct EditorVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};
// This program's own version, as the footer and the caption show it.
EditorVersion ProgramVersion();

// The footer line: "Created with lvlEdit for Zelkor v." + version + the credit.
std::string CreditLine(EditorVersion version);

// The level file as the editor writes it: the 22 grid rows, the sections with their
// keys, the kept lines, the footer with the version and the author; CR LF line ends.
std::string LevelFileText(const EditorLevel& level, EditorVersion version = ProgramVersion());

// The outcome of writing or reading a level file: the system's error number and its
// description when it failed.
struct FileResult {
    int error = 0;
    std::string description;
    bool ok() const { return error == 0; }
};

// `ZkSaveLevel`: writes the level to `file` as a whole. A crash or a full disk never
// leaves half a level: the old file stays until the new one is complete.
FileResult ZkSaveLevel(const std::filesystem::path& file, const EditorLevel& level);

// "Could not save! Err: 2 (No such file or directory)".
std::string SaveFailedMessage(const FileResult& result);
inline constexpr std::string_view kSaveFailedTitle = "lvlEdit_SaveLvl:NoSuchFile";

}  // namespace zelkor::editor
