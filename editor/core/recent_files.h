#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/settings_store.h"

namespace zelkor::editor {

// The levels opened or saved last, newest first, at most eight, kept in the settings
// as "Recent1".."Recent8" of the editor's section.
class RecentFiles {
public:
    static constexpr std::size_t kMaxFiles = 8;

    const std::vector<std::filesystem::path>& Files() const { return files_; }
    // `file` goes first; an earlier entry of the same file goes.
    void Add(const std::filesystem::path& file);
    void Remove(const std::filesystem::path& file);

    static RecentFiles Read(SettingsStore& store);
    bool Write(SettingsStore& store) const;

private:
    std::vector<std::filesystem::path> files_;
};

// A file name as the settings hold it: the settings store keeps Windows-1252 text, and
// a path is bytes of the file system (UTF-8 here), so every byte outside printable
// ASCII, and "%" itself, is written as "%" and two hex digits.
std::string EncodePathValue(const std::filesystem::path& path);
// A "%" not followed by two hex digits stands for itself.
std::filesystem::path DecodePathValue(std::string_view value);

}  // namespace zelkor::editor
