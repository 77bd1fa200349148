#include "game/platform/archive_readers.h"

#include <unistd.h>

#include <array>
#include <string_view>

#include "common/regular_file.h"
#include "game/platform/archive_libarchive.h"
#include "game/platform/archive_unrar.h"

namespace zelkor {

std::unique_ptr<ArchiveReader> LibraryArchiveReaders::ReaderFor(
    const std::filesystem::path& archive) {
    const OpenedFile opened = OpenRegularFile(archive);
    if (opened.status == FileStatus::Missing) return nullptr;
    std::array<char, 8> start{};
    const ssize_t got = opened.status == FileStatus::Ok
                            ? ::pread(opened.fd.get(), start.data(), start.size(), 0)
                            : 0;
    const std::string_view head(start.data(), got > 0 ? static_cast<std::size_t>(got) : 0);
    // "Rar!" 1A 07 00 for RAR 1.5 to 4, "Rar!" 1A 07 01 00 for RAR 5.
    using namespace std::string_view_literals;
    if (head.starts_with("Rar!\x1A\x07\x00"sv) || head.starts_with("Rar!\x1A\x07\x01\x00"sv))
        return std::make_unique<UnrarReader>();
    // Anything else that is there, a FIFO too: the reader says why it cannot open it.
    return std::make_unique<LibArchiveReader>();
}

}  // namespace zelkor
