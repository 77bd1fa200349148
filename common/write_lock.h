#pragma once

#include <filesystem>

#include "common/file_descriptor.h"

namespace zelkor {

// Holds an exclusive lock on a lock file for as long as it lives, so that two programs
// replacing the same file take turns. The lock file is never removed: removing it
// would let two writers lock two different files. Only a regular file is locked:
// never a link planted in its place, and never a FIFO, which would block for ever.
class WriteLock {
public:
    explicit WriteLock(const std::filesystem::path& lockFile);

    bool locked() const { return locked_; }
    // The system's error number when the lock could not be taken.
    int error() const { return error_; }

private:
    FileDescriptor fd_;
    bool locked_ = false;
    int error_ = 0;
};

}  // namespace zelkor
