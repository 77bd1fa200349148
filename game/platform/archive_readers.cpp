#include "game/platform/archive_readers.h"

#include <array>
#include <fstream>
#include <string_view>

#include "game/platform/archive_libarchive.h"
#include "game/platform/archive_unrar.h"

namespace zelkor {

std::unique_ptr<ArchiveReader> LibraryArchiveReaders::ReaderFor(
    const std::filesystem::path& archive) {
    std::ifstream in(archive, std::ios::binary);
    if (!in) return nullptr;
    std::array<char, 8> start{};
    in.read(start.data(), start.size());
    const std::string_view head(start.data(), static_cast<std::size_t>(in.gcount()));
    // "Rar!" 1A 07 00 for RAR 1.5 to 4, "Rar!" 1A 07 01 00 for RAR 5.
    using namespace std::string_view_literals;
    if (head.starts_with("Rar!\x1A\x07\x00"sv) || head.starts_with("Rar!\x1A\x07\x01\x00"sv))
        return std::make_unique<UnrarReader>();
    return std::make_unique<LibArchiveReader>();
}

}  // namespace zelkor
