#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

struct archive;

namespace zelkor::zkpack {

enum class ArchiveFormat { Zip, SevenZip, Tar };
enum class ZipEncryption { Aes256, Traditional };

// Every entry gets this time stamp (2000-01-01 00:00:00 UTC), so packing the same
// files twice gives the same entries.
inline constexpr long long kFixedTime = 946684800;

// Writes an archive entry by entry. Names are UTF-8 with '/' separators and are
// stored exactly as given. A password encrypts every file of a ZIP archive (the
// other formats cannot be encrypted). Any failure throws std::runtime_error.
class ArchiveWriter {
public:
    ArchiveWriter(const std::filesystem::path& out, ArchiveFormat format,
                  std::string_view password = {}, ZipEncryption encryption = ZipEncryption::Aes256);
    ArchiveWriter(const ArchiveWriter&) = delete;
    ArchiveWriter& operator=(const ArchiveWriter&) = delete;

    void AddFile(std::string_view name, std::string_view contents);
    void AddFileFrom(std::string_view name, const std::filesystem::path& source);
    void AddFolder(std::string_view name);
    void AddSymlink(std::string_view name, std::string_view target);
    void AddHardlink(std::string_view name, std::string_view target);
    // Writes the archive's closing records. Destroying the writer without it closes
    // the archive too, but only Finish reports a failure.
    void Finish();

private:
    struct Deleter {
        void operator()(archive* a) const;
    };
    std::unique_ptr<archive, Deleter> archive_;
};

}  // namespace zelkor::zkpack
