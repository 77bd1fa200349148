#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace zelkor {

// No entry of a game archive comes near this; a larger one is a damaged or hostile
// archive and fails instead of filling the disk.
inline constexpr std::uint64_t kMaxEntryBytes = 256ull << 20;

// What a whole archive may unpack to: game archives hold pictures and sounds that
// shrink a few times at most, so far more than the archive's own size is a bomb.
inline constexpr std::uint64_t kMaxArchiveBytes = 512ull << 20;
inline constexpr std::uint64_t kMaxExpansion = 64;
inline constexpr std::uint64_t UnpackLimit(std::uint64_t archiveBytes) {
    return archiveBytes > kMaxArchiveBytes / kMaxExpansion ? kMaxArchiveBytes
                                                           : archiveBytes * kMaxExpansion;
}

// A RAR archive names the memory its decoder needs; game archives need a few MiB.
inline constexpr std::uint64_t kMaxDictionaryBytes = 256ull << 20;

// Why a reader's last call failed.
enum class ArchiveProblem {
    None,
    NotAFile,            // a FIFO, folder or device at the archive's name
    Damaged,             // not an archive of a known kind, or broken
    WrongPassword,       // also a missing one
    TooLarge,            // unpacks to more than kMaxEntryBytes or UnpackLimit allow
    DictionaryTooLarge,  // its decoder would need more than kMaxDictionaryBytes
    WriteFailed,         // the file it was unpacked into could not be written (a full
                         // disk): no fault of the archive's; see WriteError
};

// One entry header of an archive.
struct ArchiveEntry {
    enum class Kind {
        File,
        Folder,
        Link,  // symbolic or hard link, device, pipe: anything that is no plain file
    };
    std::string name;  // as stored, in UTF-8; separators may be '/' or '\'
    Kind kind = Kind::File;
};

// Reads one archive entry by entry, in the order of its headers. The game decides
// where each entry goes; a reader only ever writes the file it is handed.
class ArchiveReader {
public:
    enum class Purpose { Extract, List };

    virtual ~ArchiveReader() = default;

    // Opens the archive. A non-empty password opens encrypted entries and
    // encrypted headers. False when the archive cannot be read at all.
    virtual bool Open(const std::filesystem::path& archive, std::string_view password,
                      Purpose purpose) = 0;
    // The next entry's header. False at the end of the archive or on damage.
    virtual bool ReadHeader(ArchiveEntry& entry) = 0;
    // Writes the current file entry's contents into `file` (created or emptied; a
    // link there is not followed). True only when every byte came out and checked
    // out; on false the file may hold a part and the caller removes it. Only for
    // archives opened to extract. Every archive is limited to UnpackLimit of its size
    // in all; past it, or past kMaxEntryBytes, the entry fails with TooLarge.
    virtual bool Extract(const std::filesystem::path& file) = 0;
    // Passes over the current entry without writing anything.
    virtual bool Skip() = 0;
    virtual void Close() = 0;
    // Why the last call that failed did; None after success or at the plain end of
    // the archive.
    virtual ArchiveProblem Problem() const { return ArchiveProblem::None; }
    // The system's error number behind WriteFailed.
    virtual int WriteError() const { return 0; }
};

// Picks the reader for an archive by its content, not by its name ("gfx.zkr" may be
// a RAR or a ZIP archive).
class ArchiveReaderFactory {
public:
    virtual ~ArchiveReaderFactory() = default;
    // Nothing when no file is there; anything else gets a reader, whose Open says
    // why it cannot read what is there.
    virtual std::unique_ptr<ArchiveReader> ReaderFor(const std::filesystem::path& archive) = 0;
};

// No archive can be read: every one counts as not there, so nothing is unpacked (and
// nothing is cleaned up after the run).
class NullArchiveReaders final : public ArchiveReaderFactory {
public:
    std::unique_ptr<ArchiveReader> ReaderFor(const std::filesystem::path&) override {
        return nullptr;
    }
};

}  // namespace zelkor
