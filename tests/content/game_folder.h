#pragma once

// The staged game folder for the level tests, made once per test program: as shipped,
// with its archives still packed, and a second one with every archive already unpacked,
// which the long runs (the autopilot, the kept wins) share instead of each unpacking
// the pictures again.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/archive_reader.h"
#include "tests/common/temp_folder.h"
#include "tests/scenarios/replay.h"

namespace zelkor::content {

inline constexpr int kShippedLevels = 18;

inline std::string LevelFileName(int number) {
    return "lvl" + std::to_string(number) + ".dat";
}

// Everything the staged folder holds but the programs, linked rather than copied: the
// game only ever replaces files, so it never writes through a link into the build.
inline void LinkStagedFolder(const std::filesystem::path& into) {
    namespace fs = std::filesystem;
    for (const auto& entry : fs::directory_iterator(ZELKOR_DIST_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("Zelkor", 0) == 0) continue;
        fs::copy(entry.path(), into / name,
                 fs::copy_options::recursive | fs::copy_options::create_hard_links);
    }
}

// The game folder as shipped.
inline const std::filesystem::path& GameFolder() {
    static const TempFolder folder;
    static const bool linked = (LinkStagedFolder(folder.path()), true);
    (void)linked;
    return folder.path();
}

// The game folder as the game leaves it when it keeps what it unpacked: the sounds, and
// the pictures of "gfx.zkr", of every level archive and of every snake model.
inline const std::filesystem::path& UnpackedGameFolder() {
    static const TempFolder folder;
    static const bool unpacked = [] {
        namespace fs = std::filesystem;
        LinkStagedFolder(folder.path());
        fs::copy(scenario::UnpackedPictures() / "gfx", folder.path() / "gfx",
                 fs::copy_options::recursive | fs::copy_options::create_hard_links);
        bool ok = scenario::UnpackArchive(folder.path() / "snd.zkr", folder.path());
        for (const char* archive : {"bricks.zkr", "bkg.zkr"})
            ok = scenario::UnpackArchive(folder.path() / archive, folder.path() / "gfx") && ok;
        for (const auto& pack : fs::directory_iterator(folder.path() / "models"))
            ok = scenario::UnpackArchive(pack.path(), folder.path() / "gfx") && ok;
        return ok;
    }();
    EXPECT_TRUE(unpacked) << "the archives of the game folder";
    return folder.path();
}

// Runs in the unpacked folder open no archive, which the game takes as an archive that
// is not there: nothing is unpacked again, and nothing is cleaned up after the run.
class NoArchives final : public ArchiveReaderFactory {
public:
    std::unique_ptr<ArchiveReader> ReaderFor(const std::filesystem::path&) override {
        return nullptr;
    }
};

}  // namespace zelkor::content
