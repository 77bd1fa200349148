#include "editor/core/recent_files.h"

#include <algorithm>

#include "editor/core/editor_settings.h"

namespace zelkor::editor {
namespace {

std::string KeyOf(std::size_t slot) {
    return "Recent" + std::to_string(slot + 1);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

void RecentFiles::Add(const std::filesystem::path& file) {
    Remove(file);
    files_.insert(files_.begin(), file);
    if (files_.size() > kMaxFiles) files_.resize(kMaxFiles);
}

void RecentFiles::Remove(const std::filesystem::path& file) {
    std::erase(files_, file);
}

RecentFiles RecentFiles::Read(SettingsStore& store) {
    RecentFiles recent;
    for (std::size_t slot = 0; slot < kMaxFiles; ++slot) {
        const auto value = store.Read(kEditorSection, KeyOf(slot));
        if (!value || value->empty()) continue;
        const std::filesystem::path file = DecodePathValue(*value);
        if (std::ranges::find(recent.files_, file) == recent.files_.end())
            recent.files_.push_back(file);
    }
    return recent;
}

bool RecentFiles::Write(SettingsStore& store) const {
    std::vector<SettingsEntry> entries;
    // Slots past the end are emptied, so that a shorter list stays short.
    for (std::size_t slot = 0; slot < kMaxFiles; ++slot)
        entries.push_back({std::string(kEditorSection), KeyOf(slot),
                           slot < files_.size() ? EncodePathValue(files_[slot]) : ""});
    return store.WriteBatch(entries);
}

std::string EncodePathValue(const std::filesystem::path& path) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string out;
    for (const char c : path.native()) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '%') {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    return out;
}

std::filesystem::path DecodePathValue(std::string_view value) {
    std::string bytes;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const int high = value[i] == '%' && i + 2 < value.size() ? HexValue(value[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(value[i + 2]) : -1;
        if (low >= 0) {
            bytes += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            bytes += value[i];
        }
    }
    return bytes;
}

}  // namespace zelkor::editor
