#include "common/atomic_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace zelkor {
namespace fs = std::filesystem;

namespace {

void SyncFolder(const fs::path& folder) {
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.ok()) ::fsync(fd.get());
}

}  // namespace

fs::path AtomicFileWriter::TemporaryName(const fs::path& target) {
    fs::path temp = target;
    temp += ".tmp";
    return temp;
}

AtomicFileWriter::AtomicFileWriter(fs::path target) : AtomicFileWriter(std::move(target), {}) {}

AtomicFileWriter::AtomicFileWriter(fs::path target, Options options)
    : target_(std::move(target)), temp_(TemporaryName(target_)), options_(std::move(options)) {
    // unlink removes a link itself, never what it points to.
    if (::unlink(temp_.c_str()) != 0 && errno != ENOENT) {
        Fail(errno);
        return;
    }
    fd_ = FileDescriptor(
        ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!fd_.ok()) Fail(errno);
    pending_ = fd_.ok();
}

AtomicFileWriter::~AtomicFileWriter() {
    if (pending_) {
        fd_.Close();
        ::unlink(temp_.c_str());
    }
}

void AtomicFileWriter::Fail(int error) {
    if (error_ == 0) error_ = error != 0 ? error : EIO;
}

bool AtomicFileWriter::Write(std::string_view data) {
    if (!fd_.ok() || error_ != 0) return false;
    while (!data.empty()) {
        const ssize_t n = ::write(fd_.get(), data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(errno);
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool AtomicFileWriter::Commit() {
    if (!fd_.ok() || error_ != 0) return false;
    if (options_.flush && ::fsync(fd_.get()) != 0) {
        Fail(errno);
        return false;
    }
    if (!fd_.Close()) {
        Fail(errno);
        return false;
    }
    if (options_.beforeReplace) options_.beforeReplace();
    if (::rename(temp_.c_str(), target_.c_str()) != 0) {
        Fail(errno);
        return false;  // the destructor removes the new file
    }
    pending_ = false;
    if (options_.flush)
        SyncFolder(target_.parent_path().empty() ? fs::path(".") : target_.parent_path());
    return true;
}

bool WriteFileAtomically(const fs::path& file, std::string_view data,
                         AtomicFileWriter::Options options, int* error) {
    AtomicFileWriter writer(file, std::move(options));
    const bool ok = writer.Write(data) && writer.Commit();
    if (!ok && error != nullptr) *error = writer.Error();
    return ok;
}

}  // namespace zelkor
