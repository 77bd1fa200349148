#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

#include "common/file_descriptor.h"

namespace zelkor {

// Replaces a file as a whole, so that it holds either its old contents or the new
// ones, never a part: the new contents go to a new file beside it, named like the
// target with ".tmp" appended, which is flushed and renamed over the target. A stale
// temporary file left by a crash is removed first, and the new one is created
// exclusively and never through a link, so a link or another hard-linked name
// planted at either name only loses its place: whatever it pointed to stays as it
// was. Two programs that may replace the same file at once must hold a lock between
// them, since they share the temporary name.
class AtomicFileWriter {
public:
    struct Options {
        // Flush the new file and the folder to the disk. Files rebuilt on every
        // start may go without.
        bool flush = true;
        // Runs after the new file is complete and before it replaces the old one;
        // tests use it to break off a write at its most delicate point.
        std::function<void()> beforeReplace;
    };

    explicit AtomicFileWriter(std::filesystem::path target);
    AtomicFileWriter(std::filesystem::path target, Options options);
    // Removes the temporary file unless it was committed.
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool IsOpen() const { return fd_.ok(); }
    // False once anything failed; later writes and the commit then fail too.
    bool Write(std::string_view data);
    // Puts the new file in place of the target. True when it is there, complete.
    bool Commit();
    // The system's error number of the first failure, 0 while all went well.
    int Error() const { return error_; }

    static std::filesystem::path TemporaryName(const std::filesystem::path& target);

private:
    void Fail(int error);

    std::filesystem::path target_;
    std::filesystem::path temp_;
    Options options_;
    FileDescriptor fd_;
    int error_ = 0;
    bool pending_ = false;  // the temporary file is ours and not yet in place
};

// The whole of `data` as the new contents of `file`; see AtomicFileWriter. On false
// the system's error number is in `*error` when given.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view data,
                         AtomicFileWriter::Options options = {}, int* error = nullptr);

}  // namespace zelkor
