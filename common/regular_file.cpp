#include "common/regular_file.h"

#include <fcntl.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <utility>

namespace zelkor {
namespace {

FileStatus StatusOfOpenError(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
            return FileStatus::Missing;
        case EISDIR:
        case ENXIO:  // a socket, or a device without its driver
        case ENODEV:
            return FileStatus::NotAFile;
        default:
            return FileStatus::Unreadable;
    }
}

}  // namespace

OpenedFile OpenRegularFile(const std::filesystem::path& file) {
    OpenedFile opened;
    // O_NONBLOCK: opening a FIFO without a writer would wait for one.
    opened.fd = FileDescriptor(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!opened.fd.ok()) {
        opened.status = StatusOfOpenError(errno);
        return opened;
    }
    if (::fstat(opened.fd.get(), &opened.info) != 0) {
        opened.status = FileStatus::Unreadable;
        opened.fd = FileDescriptor();
        return opened;
    }
    if (!S_ISREG(opened.info.st_mode)) {
        opened.status = FileStatus::NotAFile;
        opened.fd = FileDescriptor();
        return opened;
    }
    const int flags = ::fcntl(opened.fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(opened.fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        opened.status = FileStatus::Unreadable;
        opened.fd = FileDescriptor();
        return opened;
    }
    opened.status = FileStatus::Ok;
    return opened;
}

FileStatus ReadToEnd(int fd, std::size_t maxBytes, std::string& out) {
    std::array<char, 1 << 16> buffer;
    std::size_t total = 0;
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n == 0) return FileStatus::Ok;
        if (n < 0) {
            if (errno == EINTR) continue;
            return FileStatus::Unreadable;
        }
        const auto got = static_cast<std::size_t>(n);
        total += got;
        if (total > maxBytes) return FileStatus::TooLarge;
        out.append(buffer.data(), got);
    }
}

FileBytes ReadRegularFile(const std::filesystem::path& file, std::size_t maxBytes) {
    FileBytes result;
    OpenedFile opened = OpenRegularFile(file);
    result.status = opened.status;
    result.info = opened.info;
    if (opened.status != FileStatus::Ok) return result;
    if (static_cast<std::uintmax_t>(opened.info.st_size) > maxBytes) {
        result.status = FileStatus::TooLarge;
        return result;
    }
    result.bytes.reserve(static_cast<std::size_t>(opened.info.st_size));
    result.status = ReadToEnd(opened.fd.get(), maxBytes, result.bytes);
    if (result.status != FileStatus::Ok) result.bytes.clear();
    return result;
}

std::string ReadFileStart(const std::filesystem::path& file, std::size_t maxBytes) {
    OpenedFile opened = OpenRegularFile(file);
    std::string bytes;
    if (opened.status != FileStatus::Ok) return bytes;
    bytes.resize(maxBytes);
    std::size_t got = 0;
    while (got < maxBytes) {
        const ssize_t n = ::read(opened.fd.get(), bytes.data() + got, maxBytes - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file, std::size_t maxBytes) {
    FileBytes read = ReadRegularFile(file, maxBytes);
    if (read.status != FileStatus::Ok) return std::nullopt;
    return std::move(read.bytes);
}

}  // namespace zelkor
