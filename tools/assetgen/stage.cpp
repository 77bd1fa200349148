#include "tools/assetgen/stage.h"

namespace zelkor::assetgen {

void WriteTree(const AssetSet& set, const std::filesystem::path& root) {
    for (const FileEntry& f : set.Files())
        WriteIfChanged(root / f.path, f.bytes);
}

void StageGameFolder(const AssetSet& set, const std::filesystem::path& gameFolder) {
    for (const FileEntry& f : set.FilesUnder("music/"))
        WriteIfChanged(gameFolder / f.path, f.bytes);
}

}  // namespace zelkor::assetgen
