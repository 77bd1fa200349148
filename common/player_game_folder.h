#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zelkor {

// An installed game keeps its data read-only (PREFIX/share/zelkor) and plays from a
// game folder of the player's own, because the game writes into its folder: the
// pictures and sounds it unpacks, its clean-up lists, the editor's test level and the
// player's levels. That folder holds copies of the shipped files, prepared on every
// start from the list of shipped files the installation carries.

// The list of shipped files in the installed data folder: one line per file,
// "HASH SIZE PATH" ('/' separated, relative), '#' starting a comment.
inline constexpr const char* kShippedListName = "shipped.lst";
// What the player's folder last received: "HASH SIZE MTIME PATH" per copied file, the
// hash and size of the shipped file and the time stamp the copy got in the folder.
inline constexpr const char* kShippedCopiesName = "shipped-copies.lst";
// Held while a folder is being prepared, so two games started at once take turns.
inline constexpr const char* kPreparationLockName = ".lock";

struct FolderPreparation {
    // What went wrong, one sentence each; the folder is as complete as it could be made.
    std::vector<std::string> problems;
    int copied = 0;     // shipped files copied or refreshed
    int refreshed = 0;  // of those, copies of an older shipped version replaced
    int kept = 0;       // files at shipped names that the player changed, left as they are
    int removed = 0;    // copies of files no longer shipped, removed
};

// Brings `folder` up to the shipped data in `shipped`: missing files are copied, copies
// of an older shipped version are refreshed, copies of files no longer shipped go.
// Everything the player made or changed stays: a file at a shipped name whose contents
// differ from every shipped version the folder received is the player's. Symbolic
// links inside the folder are never followed: a link where a folder or a shipped file
// belongs is replaced, whatever it points to stays untouched. Each file is written
// under a temporary name and renamed into place, and two calls at once (two games
// started together) take turns on a lock in the folder.
FolderPreparation PreparePlayerGameFolder(const std::filesystem::path& shipped,
                                          const std::filesystem::path& folder);

}  // namespace zelkor
