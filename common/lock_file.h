#pragma once

#include <filesystem>

#include "common/file_descriptor.h"

namespace zelkor {

// A lock file in one of the game's folders, created when missing. Only a regular file
// is used: a symbolic link planted at its name is removed and the file made afresh, and
// a FIFO or device there is never waited on. An empty descriptor when the folder gives
// no lock file (read-only, or something else stands at the name).
FileDescriptor OpenLockFile(const std::filesystem::path& file);

// `flock` with `operation`, tried again when a signal interrupts it. False with errno
// set when the lock was not taken.
bool LockFile(int fd, int operation);

}  // namespace zelkor
