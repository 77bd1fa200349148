#include "common/game_files.h"

#include <sstream>
#include <system_error>
#include <utility>

#include "common/level_reader.h"
#include "common/paths.h"
#include "common/regular_file.h"
#include "common/text_encoding.h"

namespace zelkor {
namespace {

// A list of names; a megabyte is far more than any.
constexpr std::size_t kMaxNamesBytes = std::size_t{1} << 20;

bool LeadsUp(std::string_view relative) {
    while (!relative.empty()) {
        const std::size_t cut = relative.find('/');
        if (relative.substr(0, cut) == "..") return true;
        if (cut == std::string_view::npos) break;
        relative.remove_prefix(cut + 1);
    }
    return false;
}

}  // namespace

GameFiles::GameFiles(std::filesystem::path folder)
    : folder_(std::move(folder)), prefix_(folder_.string()) {}

std::string GameFiles::FolderPath(std::string_view folder, std::string_view name) const {
    return (folder_ / folder).string() + "/" + std::string(name);
}

std::string GameFiles::ShownGfxPath(std::string_view name) const {
    return (folder_ / "gfx" / ToRelativePath(name)).string();
}

std::filesystem::path GameFiles::File(std::string_view gamePath, Reach reach) const {
    std::string_view rest = gamePath;
    // The game folder in front, as a whole component.
    if (!prefix_.empty() && rest.starts_with(prefix_) &&
        (rest.size() == prefix_.size() || prefix_.back() == '/' || rest[prefix_.size()] == '/' ||
         rest[prefix_.size()] == '\\'))
        rest.remove_prefix(prefix_.size());
    const std::string relative = Cp1252ToUtf8(ToRelativePath(rest));
    if (reach == Reach::GameFolder && LeadsUp(relative)) return {};
    return ResolvePath(folder_, relative);
}

bool GameFiles::Exists(std::string_view gamePath, Reach reach) const {
    const std::filesystem::path file = File(gamePath, reach);
    std::error_code error;
    return !file.empty() && std::filesystem::exists(file, error);
}

bool GameFiles::GfxExists(std::string_view name) const {
    return Exists("\\gfx\\" + std::string(name));
}

std::optional<std::string> GameFiles::ReadLevelFile(std::string_view gamePath, Reach reach) const {
    const std::filesystem::path file = File(gamePath, reach);
    if (file.empty()) return std::nullopt;
    return Watched(file, ReadLevelBytes(file));
}

std::optional<std::string> GameFiles::Watched(const std::filesystem::path& file,
                                              std::optional<std::string> bytes) const {
    if (bytes && watch_) watch_(file, *bytes);
    return bytes;
}

std::optional<std::vector<std::string>> GameFiles::ReadAINames() const {
    const std::filesystem::path file = File("AI_Names.lst");
    const std::optional<std::string> text = Watched(file, ReadWholeFile(file, kMaxNamesBytes));
    if (!text) return std::nullopt;
    std::vector<std::string> names;
    std::istringstream in(*text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        names.push_back(std::move(line));
    }
    return names;
}

}  // namespace zelkor
