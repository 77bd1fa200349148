#include "game/control/archives/archive_service.h"

#include <algorithm>
#include <utility>

#include "common/paths.h"
#include "common/text_encoding.h"

namespace zelkor {
namespace fs = std::filesystem;
namespace {

bool SameEntryName(std::string_view a, std::string_view b) {
    return SameIgnoringCase(ToRelativePath(a), ToRelativePath(b));
}

// The game path's file, absolute because the clean-up lists name what is unpacked by
// absolute paths; nothing when it leads outside the game folder, also through a link.
std::optional<fs::path> InGameFolder(const GameFiles& files, std::string_view gamePath) {
    const fs::path path = files.File(gamePath);
    if (path.empty() || !IsInside(files.folder(), path)) return std::nullopt;
    return AbsolutePath(path);
}

}  // namespace

std::vector<std::string> GameArchiveEntries(ArchiveReaderFactory& readers, const GameFiles& files,
                                            std::string_view archive, std::string_view password) {
    const auto path = InGameFolder(files, archive);
    if (!path) return {};
    return ListArchiveEntries(readers, *path, Cp1252ToUtf8(password));
}

bool HoldsEntryName(const std::vector<std::string>& names, std::string_view name) {
    const std::string wanted = Cp1252ToUtf8(name);
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& entry) { return SameEntryName(entry, wanted); });
}

GameArchiveService::GameArchiveService(Game& game, const GameFiles& files,
                                       ArchiveReaderFactory& readers, UnextractHooks hooks)
    : game_(game), files_(files), readers_(readers), hooks_(std::move(hooks)) {}

void GameArchiveService::Unextract(std::string_view archive, std::string_view destination,
                                   std::string_view password) {
    const auto archivePath = InGameFolder(files_, archive);
    const auto destinationPath = InGameFolder(files_, destination);
    if (!archivePath || !destinationPath) return;
    const UnextractContext context{readers_,
                                   AbsolutePath(files_.folder()),
                                   game_.options.newInstall,
                                   game_.run.debug,
                                   game_.progress,
                                   hooks_};
    ZkUnextractFile(context, *archivePath, *destinationPath, Cp1252ToUtf8(password));
}

bool GameArchiveService::HoldsEntry(std::string_view archive, std::string_view password,
                                    std::string_view name) {
    return HoldsEntryName(GameArchiveEntries(readers_, files_, archive, password), name);
}

}  // namespace zelkor
