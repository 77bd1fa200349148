#include "game/platform/archive_entry_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "common/archive_reader.h"

namespace zelkor {

ArchiveEntryFile::ArchiveEntryFile(const std::filesystem::path& file, std::uint64_t limit)
    : fd_(open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600)),
      limit_(limit),
      error_(fd_ < 0 ? errno : 0) {}

ArchiveEntryFile::~ArchiveEntryFile() {
    if (fd_ >= 0) close(fd_);
}

bool ArchiveEntryFile::Write(const void* data, std::size_t size) {
    if (fd_ < 0 || failed_) return false;
    if (size > limit_ - written_) {  // checked before a byte of it lands on the disk
        failed_ = overLimit_ = true;
        return false;
    }
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = write(fd_, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            failed_ = true;
            error_ = n < 0 ? errno : ENOSPC;
            break;
        }
        bytes += n;
        written_ += static_cast<std::uint64_t>(n);
        size -= static_cast<std::size_t>(n);
    }
    return !failed_;
}

bool ArchiveEntryFile::Finish() {
    if (fd_ < 0) return false;
    const bool closed = close(fd_) == 0;
    if (!closed && error_ == 0) error_ = errno;
    fd_ = -1;
    return closed && !failed_;
}

ArchiveProblem ProblemOpening(FileStatus status) {
    switch (status) {
        case FileStatus::Ok:
        case FileStatus::Missing:
            return ArchiveProblem::None;
        case FileStatus::NotAFile:
            return ArchiveProblem::NotAFile;
        case FileStatus::Unreadable:
        case FileStatus::TooLarge:
            break;
    }
    return ArchiveProblem::Damaged;
}

void UnpackBudget::Start(std::uint64_t archiveBytes) {
    left_ = UnpackLimit(archiveBytes);
}

std::uint64_t UnpackBudget::EntryLimit() const {
    return std::min(left_, kMaxEntryBytes);
}

void UnpackBudget::Spend(std::uint64_t bytes) {
    left_ -= std::min(left_, bytes);
}

}  // namespace zelkor
