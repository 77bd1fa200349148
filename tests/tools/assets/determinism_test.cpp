// The generator makes the same bytes every time: what the build wrote is what a fresh
// run in this process makes, and the archives of the game folder unpack to exactly it.
#include <gtest/gtest.h>

#include <set>

#include "tests/tools/assets/game_folder.h"
#include "tools/assetgen/generate.h"

namespace zelkor::assetgen::testing {
namespace {

// Where a generated file lands once the game has unpacked its archives: the level
// archives and the model packs go below gfx/, music stays in the game folder.
std::string UnpackedPath(const std::string& path) {
    for (const char* levelArchive : {"bricks/", "bkg/"})
        if (path.rfind(levelArchive, 0) == 0) return "gfx/" + path;
    if (path.rfind("models/", 0) == 0) return "gfx/" + path.substr(7);
    return path;
}

// One generation (it takes a while): compared with the build's copy and with what the
// archives of the game folder hold.
TEST(AssetGenerator, RegeneratesTheSameBytesThatTheArchivesHold) {
    const std::vector<FileEntry> files = GenerateAll().Files();
    ASSERT_GT(files.size(), 900u);
    std::set<std::string> expected;
    for (const FileEntry& f : files) {
        const auto onDisk = ReadBytes(std::filesystem::path(ZELKOR_ASSET_DIR) / f.path);
        EXPECT_EQ(onDisk == f.bytes, true) << f.path << " differs from the build's copy";
        // Built into the programs, or installed for the desktop: not in any archive.
        if (f.path.rfind("embed/", 0) == 0 || f.path.rfind("desktop/", 0) == 0) continue;
        const std::string path = UnpackedPath(f.path);
        expected.insert(path);
        EXPECT_EQ(ReadBytes(GameFile(path)) == f.bytes, true) << path << " unpacks differently";
    }
    // Nothing else comes out of the archives (the rest of the folder is the staged one's).
    const std::filesystem::path root = support::UnpackedGameFolder();
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::filesystem::path path = entry.path().lexically_relative(root);
        if (!entry.is_regular_file() || std::filesystem::exists(ZELKOR_DIST_DIR / path)) continue;
        EXPECT_EQ(expected.count(path.generic_string()), 1u) << "unexpected archive entry " << path;
    }
}

}  // namespace
}  // namespace zelkor::assetgen::testing
