#pragma once

#include "common/archive_reader.h"
#include "common/file_descriptor.h"
#include "game/platform/archive_entry_file.h"

struct archive;

namespace zelkor {

// Reads ZIP (also encrypted with AES or the traditional method), 7z and tar
// archives, plain or compressed, through libarchive. Formats that could name other
// files on disk (mtree) and decompressors that would start other programs are left
// out.
class LibArchiveReader final : public ArchiveReader {
public:
    LibArchiveReader() = default;
    ~LibArchiveReader() override { Close(); }
    LibArchiveReader(const LibArchiveReader&) = delete;
    LibArchiveReader& operator=(const LibArchiveReader&) = delete;

    bool Open(const std::filesystem::path& archive, std::string_view password,
              Purpose purpose) override;
    bool ReadHeader(ArchiveEntry& entry) override;
    bool Extract(const std::filesystem::path& file) override;
    bool Skip() override;
    void Close() override;
    ArchiveProblem Problem() const override { return problem_; }
    int WriteError() const override { return writeError_; }

private:
    bool Fail(ArchiveProblem problem);

    struct archive* archive_ = nullptr;
    FileDescriptor file_;
    bool atEntry_ = false;
    bool encrypted_ = false;  // the current entry
    UnpackBudget budget_;
    ArchiveProblem problem_ = ArchiveProblem::None;
    int writeError_ = 0;
};

}  // namespace zelkor
