#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace zelkor {

// The file an archive reader writes one entry into: created or emptied, never
// through a link, and limited to kMaxEntryBytes.
class ArchiveEntryFile {
public:
    explicit ArchiveEntryFile(const std::filesystem::path& file);
    ~ArchiveEntryFile();
    ArchiveEntryFile(const ArchiveEntryFile&) = delete;
    ArchiveEntryFile& operator=(const ArchiveEntryFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    // False once anything failed or the limit was passed.
    bool Write(const void* data, std::size_t size);
    // Closes the file; true when it was opened and every write succeeded.
    bool Finish();

private:
    int fd_ = -1;
    bool failed_ = false;
    std::uint64_t written_ = 0;
};

}  // namespace zelkor
