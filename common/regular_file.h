#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "common/file_descriptor.h"

namespace zelkor {

// Reading files that come from outside the game: settings, levels, archives, lists.
// Such a name may hold anything, and opening a FIFO or some devices the usual way
// waits for ever, so these helpers open without waiting and refuse everything but a
// regular file once it is open (a symbolic link to a regular file is fine).

enum class FileStatus {
    Ok,
    Missing,     // nothing there, or a name the file system refuses (too long, a link loop)
    NotAFile,    // a folder, FIFO, socket or device
    Unreadable,  // there, but no permission or a read error
    TooLarge,    // larger than the caller's limit
};

struct OpenedFile {
    FileStatus status = FileStatus::Missing;
    FileDescriptor fd;  // open and blocking when status is Ok
    struct stat info {};
};

OpenedFile OpenRegularFile(const std::filesystem::path& file);

// Reads from the descriptor's position to the end into `out`; TooLarge as soon as
// more than `maxBytes` came in.
FileStatus ReadToEnd(int fd, std::size_t maxBytes, std::string& out);

struct FileBytes {
    FileStatus status = FileStatus::Missing;
    std::string bytes;  // the whole file when status is Ok
    struct stat info {};
};

FileBytes ReadRegularFile(const std::filesystem::path& file, std::size_t maxBytes);

// The first `maxBytes` of a regular file (all of a shorter one); empty when it is
// not a readable regular file.
std::string ReadFileStart(const std::filesystem::path& file, std::size_t maxBytes);

// The whole file, or nothing when it is not a readable regular file of at most
// `maxBytes`.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file, std::size_t maxBytes);

}  // namespace zelkor
