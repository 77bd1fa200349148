// The generator makes the same bytes every time: what the build wrote is what a fresh
// run in this process makes.
#include <gtest/gtest.h>

#include "tests/tools/assets/game_folder.h"
#include "tools/assetgen/generate.h"

namespace zelkor::assetgen::testing {
namespace {

TEST(AssetGenerator, RegeneratesTheSameBytes) {
    const AssetSet set = GenerateAll();
    const std::vector<FileEntry> files = set.Files();
    ASSERT_GT(files.size(), 900u);
    int compared = 0;
    for (const FileEntry& f : files) {
        const auto onDisk = ReadBytes(std::filesystem::path(ZELKOR_ASSET_DIR) / f.path);
        EXPECT_EQ(onDisk == f.bytes, true) << f.path << " differs from the build's copy";
        ++compared;
    }
    EXPECT_EQ(compared, static_cast<int>(files.size()));
}

}  // namespace
}  // namespace zelkor::assetgen::testing
