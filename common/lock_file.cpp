#include "common/lock_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace zelkor {

FileDescriptor OpenLockFile(const std::filesystem::path& file) {
    FileDescriptor fd;
    for (int attempt = 0; attempt < 2 && !fd.ok(); ++attempt) {
        fd = FileDescriptor(
            ::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644));
        if (!fd.ok() && errno == ELOOP) ::unlink(file.c_str());  // a link in its place
    }
    struct stat st {};
    if (!fd.ok() || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return FileDescriptor();
    return fd;
}

bool LockFile(int fd, int operation) {
    int rc;
    do
        rc = ::flock(fd, operation);
    while (rc != 0 && errno == EINTR);
    return rc == 0;
}

}  // namespace zelkor
