#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "common/archive_reader.h"

struct RARHeaderDataEx;

namespace zelkor {

// Direct calls into libunrar, for RAR 4 and RAR 5 archives with or without a
// password, also with encrypted headers. The library only tests entries; their
// data goes to a sink, so the library itself never creates a file, a folder or a
// link. Run only inside the helper process UnrarReader starts: the library can crash
// on damaged archives. An entry whose dictionary is larger than kMaxDictionaryBytes
// ends the archive before the library reserves memory for it.
class UnrarSession {
public:
    // Receives the decoded data of an entry piece by piece; false stops the entry.
    using Sink = std::function<bool(const void* data, std::size_t size)>;

    UnrarSession();
    ~UnrarSession();
    UnrarSession(const UnrarSession&) = delete;
    UnrarSession& operator=(const UnrarSession&) = delete;

    bool Open(const std::filesystem::path& archive, std::string_view password,
              ArchiveReader::Purpose purpose);
    bool ReadHeader(ArchiveEntry& entry);
    // Decodes and checks the current entry; true when it came out whole and right.
    bool Test(const Sink& sink);
    bool Skip();
    void Close();
    // Why the last call that failed did.
    ArchiveProblem Problem() const { return problem_; }

    // libunrar's callback; public only so the C callback can reach it.
    int OnCallback(unsigned int message, long p1, long p2);

private:
    void* handle_ = nullptr;
    std::string password_;
    std::unique_ptr<RARHeaderDataEx> header_;
    const Sink* sink_ = nullptr;  // during Test
    bool atEntry_ = false;
    ArchiveProblem problem_ = ArchiveProblem::None;
};

}  // namespace zelkor
