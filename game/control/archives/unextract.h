#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "common/archive_reader.h"
#include "game/rules/game.h"

namespace zelkor {

// The parts of the start-up window that unpacking drives. Any of them may be empty.
struct UnextractHooks {
    std::function<void(std::string_view)> consolePrint;  // ConsolePrint, Windows-1252 text
    // Why something was not unpacked (a refused entry, a damaged archive, a wrong
    // password), a UTF-8 line the player should read whatever the debug mode.
    std::function<void(std::string_view)> reportProblem;
    std::function<void(double)> setValue;  // the progress bar, in percent
    std::function<void()> showProgressFrame;
    std::function<void()> doEvents;  // lets pending window events run
    // An archive that could not be unpacked because a file could not be written (a full
    // disk): its file name and the system's reason, after reportProblem said so.
    std::function<void(std::string_view archive, std::string_view reason)> cannotWrite;
};

// Everything ZkUnextractFile reads besides its three arguments.
struct UnextractContext {
    ArchiveReaderFactory& readers;
    std::filesystem::path gameFolder;  // where the clean-up lists live
    bool newInstall = false;
    bool debug = false;
    ProgressCounters& progress;
    const UnextractHooks& hooks;
};

// "cleanup-" + the archive's file name + ".zkc", in the game folder.
std::filesystem::path CleanUpListPath(const std::filesystem::path& gameFolder,
                                      const std::filesystem::path& archive);

// Unpacks every entry of the archive below `destination` and rewrites the archive's
// clean-up list with one line (full path, CR LF) per unpacked or already present
// file. An archive that cannot be opened is ignored: nothing written, no list.
// Entries are found case-insensitively in existing folders; each file is written
// under a temporary name and renamed into place only when complete. Entries whose
// names are absolute, carry a drive letter or climb out with "..", and links, are
// refused; nothing is written outside `destination`, not even through a link.
void ZkUnextractFile(const UnextractContext& context, const std::filesystem::path& archive,
                     const std::filesystem::path& destination, std::string_view password);

// The entry names of an archive, in order, without extracting anything. Empty when
// the archive cannot be opened.
std::vector<std::string> ListArchiveEntries(ArchiveReaderFactory& readers,
                                            const std::filesystem::path& archive,
                                            std::string_view password);

}  // namespace zelkor
