#include "game/platform/archive_entry_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "common/archive_reader.h"

namespace zelkor {

ArchiveEntryFile::ArchiveEntryFile(const std::filesystem::path& file)
    : fd_(open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600)) {}

ArchiveEntryFile::~ArchiveEntryFile() {
    if (fd_ >= 0) close(fd_);
}

bool ArchiveEntryFile::Write(const void* data, std::size_t size) {
    if (fd_ < 0 || failed_) return false;
    written_ += size;
    if (written_ > kMaxEntryBytes) failed_ = true;
    const char* bytes = static_cast<const char*>(data);
    while (!failed_ && size > 0) {
        const ssize_t n = write(fd_, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            failed_ = true;
            break;
        }
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return !failed_;
}

bool ArchiveEntryFile::Finish() {
    if (fd_ < 0) return false;
    const bool closed = close(fd_) == 0;
    fd_ = -1;
    return closed && !failed_;
}

}  // namespace zelkor
