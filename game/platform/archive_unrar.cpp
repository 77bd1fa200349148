#include "game/platform/archive_unrar.h"

#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <string>

#include "common/char_type.h"
#include "common/regular_file.h"
#include "game/platform/archive_unrar_session.h"

namespace zelkor {
namespace {

// The helper answers every command at once, only a password's key stretching or a
// large entry takes a while; silence this long means it hangs.
constexpr int kHelperTimeoutMs = 30000;
constexpr std::uint32_t kMaxNameBytes = 1 << 16;
constexpr std::uint32_t kMaxChunkBytes = 1 << 26;

constexpr char kReadHeader = 'H';
constexpr char kExtract = 'X';
constexpr char kSkip = 'S';

bool SendAll(int fd, const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = send(fd, bytes, size, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// False at the end of the stream, on an error, or after `timeoutMs` of silence
// (-1 waits for ever).
bool ReceiveAll(int fd, void* data, std::size_t size, int timeoutMs) {
    char* bytes = static_cast<char*>(data);
    while (size > 0) {
        pollfd ready{fd, POLLIN, 0};
        const int polled = poll(&ready, 1, timeoutMs);
        if (polled < 0 && errno == EINTR) continue;
        if (polled <= 0) return false;
        const ssize_t n = recv(fd, bytes, size, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// A status is one byte: 1 for success, or 2 + the problem of a failure.
constexpr std::uint8_t kSucceeded = 1;
constexpr std::uint8_t kFirstProblem = 2;

bool SendStatus(int fd, bool ok, ArchiveProblem problem) {
    const std::uint8_t byte =
        ok ? kSucceeded
           : static_cast<std::uint8_t>(kFirstProblem + static_cast<std::uint8_t>(problem));
    return SendAll(fd, &byte, 1);
}

ArchiveProblem ProblemOfStatus(std::uint8_t byte) {
    if (byte < kFirstProblem ||
        byte > kFirstProblem + static_cast<std::uint8_t>(ArchiveProblem::DictionaryTooLarge))
        return ArchiveProblem::Damaged;
    return static_cast<ArchiveProblem>(byte - kFirstProblem);
}

bool SendHeader(int fd, UnrarSession& session) {
    ArchiveEntry entry;
    if (!session.ReadHeader(entry)) return SendStatus(fd, false, session.Problem());
    const auto kind = static_cast<std::uint8_t>(entry.kind);
    const auto length = static_cast<std::uint32_t>(entry.name.size());
    return SendStatus(fd, true, {}) && SendAll(fd, &kind, 1) && SendAll(fd, &length, 4) &&
           SendAll(fd, entry.name.data(), length);
}

// Entry data goes out in pieces, each with its length; a zero length and the
// result end the entry.
bool SendData(int fd, UnrarSession& session) {
    bool connected = true;
    const bool ok = session.Test([&](const void* data, std::size_t size) {
        const auto length = static_cast<std::uint32_t>(size);
        connected = size == 0 || (SendAll(fd, &length, 4) && SendAll(fd, data, size));
        return connected;
    });
    const std::uint32_t end = 0;
    return connected && SendAll(fd, &end, 4) && SendStatus(fd, ok, session.Problem());
}

// The helper process: opens the archive and answers commands until the reader
// closes its end.
[[noreturn]] void ServeArchive(int fd, const std::filesystem::path& archive,
                               const std::string& password, ArchiveReader::Purpose purpose) {
    // A crash here ends only this process, quietly.
    for (const int crash : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        signal(crash, SIG_DFL);
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    UnrarSession session;
    const bool opened = session.Open(archive, password, purpose);
    bool serving = SendStatus(fd, opened, session.Problem());
    char command = 0;
    while (serving && ReceiveAll(fd, &command, 1, -1)) {
        if (command == kReadHeader)
            serving = SendHeader(fd, session);
        else if (command == kExtract)
            serving = SendData(fd, session);
        else if (command == kSkip) {
            const bool skipped = session.Skip();
            serving = SendStatus(fd, skipped, session.Problem());
        } else
            serving = false;
    }
    _exit(0);  // no destructors or exit handlers of the game's process
}

}  // namespace

bool UnrarReader::Open(const std::filesystem::path& archive, std::string_view password,
                       Purpose purpose) {
    Close();
    problem_ = ArchiveProblem::None;
    // Opened here, so that a FIFO or a device at the name is refused before the
    // library could wait on it; the helper reads the very file opened.
    OpenedFile opened = OpenRegularFile(archive);
    if (opened.status != FileStatus::Ok) {
        problem_ = ProblemOpening(opened.status);
        return false;
    }
    budget_.Start(static_cast<std::uint64_t>(opened.info.st_size));
    const std::filesystem::path byDescriptor = "/proc/self/fd/" + std::to_string(opened.fd.get());
    std::error_code ec;
    const std::filesystem::path& name =
        std::filesystem::exists(byDescriptor, ec) ? byDescriptor : archive;
    // The library turns names into file names through LC_CTYPE; under "C" every
    // non-ASCII name comes out empty. Set before the helper starts, which inherits it.
    UseUtf8CharacterType();
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return false;
    const std::string passwordText(password);
    const pid_t pid = fork();
    if (pid == 0) {
        close(ends[0]);
        ServeArchive(ends[1], name, passwordText, purpose);
    }
    close(ends[1]);
    if (pid < 0) {
        close(ends[0]);
        return false;
    }
    socket_ = ends[0];
    helper_ = pid;
    if (ReceiveStatus()) return true;
    Close();
    return false;
}

bool UnrarReader::ReadHeader(ArchiveEntry& entry) {
    if (!Send(kReadHeader) || !ReceiveStatus()) return false;
    std::uint8_t kind = 0;
    std::uint32_t length = 0;
    if (!Receive(&kind, 1) || !Receive(&length, 4) || kind > 2 || length > kMaxNameBytes) {
        Close();
        return false;
    }
    entry.name.resize(length);
    if (!Receive(entry.name.data(), length)) return false;
    entry.kind = static_cast<ArchiveEntry::Kind>(kind);
    return true;
}

bool UnrarReader::Extract(const std::filesystem::path& file) {
    ArchiveEntryFile out(file, budget_.EntryLimit());
    if (!out.IsOpen()) {  // no fault of the archive's
        Skip();
        writeError_ = out.Error();
        problem_ = ArchiveProblem::WriteFailed;
        return false;
    }
    if (!Send(kExtract)) return false;
    for (;;) {
        std::uint32_t length = 0;
        if (!Receive(&length, 4)) return false;
        if (length == 0) break;
        buffer_.resize(length);
        // Past the size limit or a failed write: the rest of the entry cannot be
        // passed over, so the archive ends here.
        if (length > kMaxChunkBytes || !Receive(buffer_.data(), length) ||
            !out.Write(buffer_.data(), length)) {
            budget_.Spend(out.Written());
            if (out.OverLimit() || length > kMaxChunkBytes) problem_ = ArchiveProblem::TooLarge;
            if (out.Error() != 0) {
                writeError_ = out.Error();
                problem_ = ArchiveProblem::WriteFailed;
            }
            Close();
            return false;
        }
    }
    budget_.Spend(out.Written());
    const bool ok = ReceiveStatus();
    if (!out.Finish() && out.Error() != 0) {
        writeError_ = out.Error();
        problem_ = ArchiveProblem::WriteFailed;
        return false;
    }
    return ok;
}

bool UnrarReader::Skip() {
    return Send(kSkip) && ReceiveStatus();
}

void UnrarReader::Close() {
    if (socket_ >= 0) close(socket_);
    socket_ = -1;
    if (helper_ > 0) {
        kill(helper_, SIGKILL);
        while (waitpid(helper_, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    helper_ = -1;
}

bool UnrarReader::Send(char command) {
    if (socket_ < 0) return false;
    if (SendAll(socket_, &command, 1)) return true;
    Close();
    return false;
}

bool UnrarReader::Receive(void* data, std::size_t size) {
    if (socket_ < 0) return false;
    if (ReceiveAll(socket_, data, size, kHelperTimeoutMs)) return true;
    problem_ = ArchiveProblem::Damaged;  // the helper crashed or hangs on it
    Close();
    return false;
}

bool UnrarReader::ReceiveStatus() {
    std::uint8_t status = 0;
    if (!Receive(&status, 1)) return false;
    problem_ = status == kSucceeded ? ArchiveProblem::None : ProblemOfStatus(status);
    return status == kSucceeded;
}

}  // namespace zelkor
