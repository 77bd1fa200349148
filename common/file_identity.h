#pragma once

#include <sys/stat.h>

#include <filesystem>

namespace zelkor {

// What tells one version of a file from the next: a replacing rename gives a new
// inode, and any write in place changes size or modification time.
struct FileIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    static FileIdentity Of(const struct stat& st);
    // The file at `file` now; one that does not exist when nothing is there.
    static FileIdentity At(const std::filesystem::path& file);
    bool operator==(const FileIdentity& o) const;
};

}  // namespace zelkor
