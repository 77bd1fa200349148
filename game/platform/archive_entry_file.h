#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "common/archive_reader.h"
#include "common/regular_file.h"

namespace zelkor {

// The file an archive reader writes one entry into: created or emptied, never
// through a link, and limited to `limit` bytes.
class ArchiveEntryFile {
public:
    ArchiveEntryFile(const std::filesystem::path& file, std::uint64_t limit);
    ~ArchiveEntryFile();
    ArchiveEntryFile(const ArchiveEntryFile&) = delete;
    ArchiveEntryFile& operator=(const ArchiveEntryFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    // False once anything failed or the limit was passed.
    bool Write(const void* data, std::size_t size);
    // Closes the file; true when it was opened and every write succeeded.
    bool Finish();
    bool OverLimit() const { return overLimit_; }
    // The system's error number of a failed open, write or close; 0 otherwise.
    int Error() const { return error_; }
    std::uint64_t Written() const { return written_; }

private:
    int fd_ = -1;
    std::uint64_t limit_;
    bool failed_ = false;
    bool overLimit_ = false;
    int error_ = 0;
    std::uint64_t written_ = 0;
};

// How much an archive may still unpack: UnpackLimit of its size, less what its
// entries wrote so far.
class UnpackBudget {
public:
    void Start(std::uint64_t archiveBytes);
    // The limit for the next entry.
    std::uint64_t EntryLimit() const;
    void Spend(std::uint64_t bytes);

private:
    std::uint64_t left_ = 0;
};

// Why an archive that OpenRegularFile could not open cannot be read; None when it
// is simply missing.
ArchiveProblem ProblemOpening(FileStatus status);

}  // namespace zelkor
