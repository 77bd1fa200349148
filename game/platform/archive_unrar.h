#pragma once

#include <memory>
#include <string>

#include "common/archive_reader.h"

struct RARHeaderDataEx;

namespace zelkor {

class ArchiveEntryFile;

// Reads RAR 4 and RAR 5 archives through libunrar, with or without a password, also
// with encrypted headers. The library only tests entries; their data comes back
// through its callback and this reader writes it, so the library itself never
// creates a file, a folder or a link.
class UnrarReader final : public ArchiveReader {
public:
    UnrarReader();
    ~UnrarReader() override;
    UnrarReader(const UnrarReader&) = delete;
    UnrarReader& operator=(const UnrarReader&) = delete;

    bool Open(const std::filesystem::path& archive, std::string_view password,
              Purpose purpose) override;
    bool ReadHeader(ArchiveEntry& entry) override;
    bool Extract(const std::filesystem::path& file) override;
    bool Skip() override;
    void Close() override;

    // libunrar's callback; public only so the C callback can reach it.
    int OnCallback(unsigned int message, long p1, long p2);

private:
    void* handle_ = nullptr;
    std::string password_;
    std::unique_ptr<RARHeaderDataEx> header_;
    ArchiveEntryFile* output_ = nullptr;  // the file being extracted, during Extract
    bool atEntry_ = false;
};

}  // namespace zelkor
