#include "common/write_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>

namespace zelkor {

WriteLock::WriteLock(const std::filesystem::path& lockFile)
    : fd_(::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666)) {
    struct stat st {};
    if (!fd_.ok() || ::fstat(fd_.get(), &st) != 0) {
        error_ = errno;
        return;
    }
    if (!S_ISREG(st.st_mode)) {
        error_ = EINVAL;
        return;
    }
    int rc;
    do
        rc = ::flock(fd_.get(), LOCK_EX);
    while (rc != 0 && errno == EINTR);
    locked_ = (rc == 0);
    if (!locked_) error_ = errno;
}

}  // namespace zelkor
