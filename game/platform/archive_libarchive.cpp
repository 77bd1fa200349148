#include "game/platform/archive_libarchive.h"

#include <archive.h>
#include <archive_entry.h>

#include <array>
#include <string>

#include "common/char_type.h"
#include "game/platform/archive_entry_file.h"

namespace zelkor {

bool LibArchiveReader::Open(const std::filesystem::path& archive, std::string_view password,
                            Purpose) {
    Close();
    UseUtf8CharacterType();
    archive_ = archive_read_new();
    if (archive_ == nullptr) return false;
    archive_read_support_format_zip(archive_);
    archive_read_support_format_7zip(archive_);
    archive_read_support_format_tar(archive_);
    archive_read_support_filter_gzip(archive_);
    archive_read_support_filter_bzip2(archive_);
    archive_read_support_filter_xz(archive_);
    archive_read_support_filter_lzma(archive_);
    archive_read_support_filter_zstd(archive_);
    if (!password.empty()) archive_read_add_passphrase(archive_, std::string(password).c_str());
    if (archive_read_open_filename(archive_, archive.c_str(), 1 << 16) != ARCHIVE_OK) {
        Close();
        return false;
    }
    return true;
}

bool LibArchiveReader::ReadHeader(ArchiveEntry& entry) {
    atEntry_ = false;
    if (archive_ == nullptr) return false;
    archive_entry* header = nullptr;
    const int result = archive_read_next_header(archive_, &header);
    if (result != ARCHIVE_OK && result != ARCHIVE_WARN) return false;

    const char* name = archive_entry_pathname_utf8(header);
    if (name == nullptr) name = archive_entry_pathname(header);
    entry.name = name ? name : "";
    const auto type = archive_entry_filetype(header);
    if (archive_entry_hardlink(header) != nullptr || (type != AE_IFREG && type != AE_IFDIR))
        entry.kind = ArchiveEntry::Kind::Link;
    else
        entry.kind = type == AE_IFDIR ? ArchiveEntry::Kind::Folder : ArchiveEntry::Kind::File;
    atEntry_ = true;
    return true;
}

bool LibArchiveReader::Extract(const std::filesystem::path& file) {
    if (!atEntry_) return false;
    atEntry_ = false;
    ArchiveEntryFile out(file);
    std::array<char, 1 << 16> buffer;
    la_ssize_t n;
    while ((n = archive_read_data(archive_, buffer.data(), buffer.size())) > 0)
        if (!out.Write(buffer.data(), static_cast<std::size_t>(n))) return false;
    return out.Finish() && n == 0;
}

bool LibArchiveReader::Skip() {
    if (!atEntry_) return false;
    atEntry_ = false;
    return archive_read_data_skip(archive_) == ARCHIVE_OK;
}

void LibArchiveReader::Close() {
    if (archive_ != nullptr) archive_read_free(archive_);
    archive_ = nullptr;
    atEntry_ = false;
}

}  // namespace zelkor
