#pragma once

// The staged game folder for the level tests, made once per test program: as shipped,
// with its archives still packed, and linked copies with archives already unpacked,
// which the many runs share instead of each unpacking the pictures again.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/archive_reader.h"
#include "game/platform/archive_readers.h"
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

// What start-up unpacks (the sounds, the pictures of "gfx.zkr" and of every snake
// model) put into the linked game folder `into`, as the game leaves it when it keeps
// what it unpacked.
inline bool UnpackStartupArchives(const std::filesystem::path& into) {
    namespace fs = std::filesystem;
    LinkStagedFolder(into);
    fs::copy(scenario::UnpackedPictures() / "gfx", into / "gfx",
             fs::copy_options::recursive | fs::copy_options::create_hard_links);
    bool ok = scenario::UnpackArchive(into / "snd.zkr", into);
    for (const auto& pack : fs::directory_iterator(into / "models"))
        ok = scenario::UnpackArchive(pack.path(), into / "gfx") && ok;
    return ok;
}

// The game folder after start-up, with the level archives ("Requires=") still packed.
inline const std::filesystem::path& StartedGameFolder() {
    static const TempFolder folder;
    static const bool unpacked = UnpackStartupArchives(folder.path());
    EXPECT_TRUE(unpacked) << "the archives start-up unpacks";
    return folder.path();
}

// The game folder with every archive unpacked, the level archives too.
inline const std::filesystem::path& UnpackedGameFolder() {
    static const TempFolder folder;
    static const bool unpacked = [] {
        bool ok = UnpackStartupArchives(folder.path());
        for (const char* archive : {"bricks.zkr", "bkg.zkr"})
            ok = scenario::UnpackArchive(folder.path() / archive, folder.path() / "gfx") && ok;
        return ok;
    }();
    EXPECT_TRUE(unpacked) << "the archives of the game folder";
    return folder.path();
}

// The game's archive readers for the archives a level requires; the archives start-up
// unpacks count as not there, since StartedGameFolder holds what they would give.
class LevelArchivesOnly final : public ArchiveReaderFactory {
public:
    std::unique_ptr<ArchiveReader> ReaderFor(const std::filesystem::path& archive) override {
        const std::string name = archive.filename().string();
        const bool startup =
            name == "gfx.zkr" || name == "snd.zkr" || archive.parent_path().filename() == "models";
        return startup ? nullptr : readers_.ReaderFor(archive);
    }

private:
    LibraryArchiveReaders readers_;
};

}  // namespace zelkor::content
