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

// The game path below the game folder, or nothing when it leads outside.
std::optional<fs::path> InGameFolder(const fs::path& gameFolder, std::string_view gamePath) {
    const fs::path path = ResolvePath(gameFolder, Cp1252ToUtf8(gamePath));
    if (!IsInside(gameFolder, path)) return std::nullopt;
    return path;
}

}  // namespace

std::vector<std::string> GameArchiveEntries(ArchiveReaderFactory& readers,
                                            const fs::path& gameFolder, std::string_view archive,
                                            std::string_view password) {
    const auto path = InGameFolder(gameFolder, archive);
    if (!path) return {};
    return ListArchiveEntries(readers, *path, Cp1252ToUtf8(password));
}

bool HoldsEntryName(const std::vector<std::string>& names, std::string_view name) {
    const std::string wanted = Cp1252ToUtf8(name);
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& entry) { return SameEntryName(entry, wanted); });
}

GameArchiveService::GameArchiveService(Game& game, fs::path gameFolder,
                                       ArchiveReaderFactory& readers, UnextractHooks hooks)
    : game_(game),
      gameFolder_(AbsolutePath(gameFolder)),
      readers_(readers),
      hooks_(std::move(hooks)) {}

void GameArchiveService::Unextract(std::string_view archive, std::string_view destination,
                                   std::string_view password) {
    const auto archivePath = InGameFolder(gameFolder_, archive);
    const auto destinationPath = InGameFolder(gameFolder_, destination);
    if (!archivePath || !destinationPath) return;
    const UnextractContext context{readers_,        gameFolder_,    game_.options.newInstall,
                                   game_.run.debug, game_.progress, hooks_};
    ZkUnextractFile(context, *archivePath, *destinationPath, Cp1252ToUtf8(password));
}

bool GameArchiveService::HoldsEntry(std::string_view archive, std::string_view password,
                                    std::string_view name) {
    return HoldsEntryName(GameArchiveEntries(readers_, gameFolder_, archive, password), name);
}

}  // namespace zelkor
