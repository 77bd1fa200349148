#include "tests/support/archives.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "game/platform/archive_readers.h"
#include "tests/common/temp_folder.h"

namespace zelkor::support {

namespace fs = std::filesystem;

bool UnpackArchive(const fs::path& archive, const fs::path& folder, std::string_view password) {
    LibraryArchiveReaders readers;
    const auto reader = readers.ReaderFor(archive);
    if (!reader || !reader->Open(archive, password, ArchiveReader::Purpose::Extract)) return false;
    ArchiveEntry entry;
    while (reader->ReadHeader(entry)) {
        std::string name = entry.name;
        std::replace(name.begin(), name.end(), '\\', '/');
        const fs::path target = folder / name;
        if (entry.kind == ArchiveEntry::Kind::Folder) {
            fs::create_directories(target);
        } else if (entry.kind == ArchiveEntry::Kind::File) {
            fs::create_directories(target.parent_path());
            reader->Extract(target);
        } else {
            reader->Skip();
        }
    }
    reader->Close();
    return true;
}

const fs::path& UnpackedPictures() {
    static const TempFolder folder;
    static const bool unpacked =
        UnpackArchive(fs::path(ZELKOR_DIST_DIR) / "gfx.zkr", folder.path());
    EXPECT_TRUE(unpacked) << "the staged gfx.zkr";
    return folder.path();
}

void LinkStagedFolder(const fs::path& into) {
    for (const auto& entry : fs::directory_iterator(ZELKOR_DIST_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("Zelkor", 0) == 0) continue;
        fs::copy(entry.path(), into / name,
                 fs::copy_options::recursive | fs::copy_options::create_hard_links);
    }
}

const fs::path& StagedGameFolder() {
    static const TempFolder folder;
    static const bool linked = (LinkStagedFolder(folder.path()), true);
    (void)linked;
    return folder.path();
}

namespace {

bool UnpackStartupArchives(const fs::path& into) {
    LinkStagedFolder(into);
    fs::copy(UnpackedPictures() / "gfx", into / "gfx",
             fs::copy_options::recursive | fs::copy_options::create_hard_links);
    bool ok = UnpackArchive(into / "snd.zkr", into);
    for (const auto& pack : fs::directory_iterator(into / "models"))
        ok = UnpackArchive(pack.path(), into / "gfx", "") && ok;
    return ok;
}

}  // namespace

const fs::path& StartedGameFolder() {
    static const TempFolder folder;
    static const bool unpacked = UnpackStartupArchives(folder.path());
    EXPECT_TRUE(unpacked) << "the archives start-up unpacks";
    return folder.path();
}

const fs::path& UnpackedGameFolder() {
    static const TempFolder folder;
    static const bool unpacked = [] {
        bool ok = UnpackStartupArchives(folder.path());
        for (const char* archive : {"bricks.zkr", "bkg.zkr"})
            ok = UnpackArchive(folder.path() / archive, folder.path() / "gfx") && ok;
        return ok;
    }();
    EXPECT_TRUE(unpacked) << "the archives of the game folder";
    return folder.path();
}

}  // namespace zelkor::support
