#pragma once

// The shipped levels and the game folders the level tests play them in (the staged one
// and its unpacked copies, made once per test program).
#include <filesystem>
#include <memory>
#include <string>

#include "common/archive_reader.h"
#include "game/platform/archive_readers.h"
#include "tests/common/temp_folder.h"
#include "tests/support/archives.h"

namespace zelkor::content {

using support::StagedGameFolder;
using support::StartedGameFolder;
using support::UnpackedGameFolder;

inline constexpr int kShippedLevels = 18;

inline std::string LevelFileName(int number) {
    return "lvl" + std::to_string(number) + ".dat";
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
