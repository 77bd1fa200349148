#pragma once

#include <sys/types.h>

#include <vector>

#include "common/archive_reader.h"
#include "game/platform/archive_entry_file.h"

namespace zelkor {

// Reads RAR archives. libunrar reads uninitialised memory on some damaged encrypted
// archives and can crash, so the library runs in a helper process of its own
// (UnrarSession): it hands back headers and decoded data over a socket, and this
// reader writes the files. When the helper dies or stops answering, the archive
// simply ends.
class UnrarReader final : public ArchiveReader {
public:
    UnrarReader() = default;
    ~UnrarReader() override { Close(); }
    UnrarReader(const UnrarReader&) = delete;
    UnrarReader& operator=(const UnrarReader&) = delete;

    bool Open(const std::filesystem::path& archive, std::string_view password,
              Purpose purpose) override;
    bool ReadHeader(ArchiveEntry& entry) override;
    bool Extract(const std::filesystem::path& file) override;
    bool Skip() override;
    void Close() override;
    ArchiveProblem Problem() const override { return problem_; }
    int WriteError() const override { return writeError_; }

private:
    bool Send(char command);
    bool Receive(void* data, std::size_t size);
    // The helper's answer: success, or a failure with its problem.
    bool ReceiveStatus();

    int socket_ = -1;
    pid_t helper_ = -1;
    std::vector<char> buffer_;
    UnpackBudget budget_;
    ArchiveProblem problem_ = ArchiveProblem::None;
    int writeError_ = 0;
};

}  // namespace zelkor
