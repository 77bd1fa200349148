#include "game/platform/archive_libarchive.h"

#include <archive.h>
#include <archive_entry.h>

#include <array>
#include <string>
#include <utility>

#include "common/char_type.h"
#include "common/regular_file.h"

namespace zelkor {

bool LibArchiveReader::Fail(ArchiveProblem problem) {
    problem_ = problem;
    return false;
}

bool LibArchiveReader::Open(const std::filesystem::path& archive, std::string_view password,
                            Purpose) {
    Close();
    problem_ = ArchiveProblem::None;
    UseUtf8CharacterType();
    OpenedFile opened = OpenRegularFile(archive);
    if (opened.status != FileStatus::Ok) return Fail(ProblemOpening(opened.status));
    file_ = std::move(opened.fd);
    budget_.Start(static_cast<std::uint64_t>(opened.info.st_size));
    archive_ = archive_read_new();
    if (archive_ == nullptr) return Fail(ArchiveProblem::Damaged);
    archive_read_support_format_zip(archive_);
    archive_read_support_format_7zip(archive_);
    archive_read_support_format_tar(archive_);
    archive_read_support_filter_gzip(archive_);
    archive_read_support_filter_bzip2(archive_);
    archive_read_support_filter_xz(archive_);
    archive_read_support_filter_lzma(archive_);
    archive_read_support_filter_zstd(archive_);
    if (!password.empty()) archive_read_add_passphrase(archive_, std::string(password).c_str());
    if (archive_read_open_fd(archive_, file_.get(), 1 << 16) != ARCHIVE_OK) {
        Close();
        return Fail(ArchiveProblem::Damaged);
    }
    return true;
}

bool LibArchiveReader::ReadHeader(ArchiveEntry& entry) {
    atEntry_ = false;
    if (archive_ == nullptr) return false;
    archive_entry* header = nullptr;
    const int result = archive_read_next_header(archive_, &header);
    if (result == ARCHIVE_EOF) return Fail(ArchiveProblem::None);
    if (result != ARCHIVE_OK && result != ARCHIVE_WARN) return Fail(ArchiveProblem::Damaged);

    const char* name = archive_entry_pathname_utf8(header);
    if (name == nullptr) name = archive_entry_pathname(header);
    entry.name = name ? name : "";
    const auto type = archive_entry_filetype(header);
    if (archive_entry_hardlink(header) != nullptr || (type != AE_IFREG && type != AE_IFDIR))
        entry.kind = ArchiveEntry::Kind::Link;
    else
        entry.kind = type == AE_IFDIR ? ArchiveEntry::Kind::Folder : ArchiveEntry::Kind::File;
    encrypted_ = archive_entry_is_encrypted(header) != 0;
    atEntry_ = true;
    problem_ = ArchiveProblem::None;
    return true;
}

bool LibArchiveReader::Extract(const std::filesystem::path& file) {
    if (!atEntry_) return false;
    atEntry_ = false;
    ArchiveEntryFile out(file, budget_.EntryLimit());
    if (!out.IsOpen()) {  // no fault of the archive's
        archive_read_data_skip(archive_);
        writeError_ = out.Error();
        return Fail(ArchiveProblem::WriteFailed);
    }
    std::array<char, 1 << 16> buffer;
    la_ssize_t n;
    while ((n = archive_read_data(archive_, buffer.data(), buffer.size())) > 0)
        if (!out.Write(buffer.data(), static_cast<std::size_t>(n))) break;
    budget_.Spend(out.Written());
    if (out.OverLimit()) return Fail(ArchiveProblem::TooLarge);
    const bool finished = out.Finish();
    if (out.Error() != 0) {
        writeError_ = out.Error();
        return Fail(ArchiveProblem::WriteFailed);
    }
    if (!finished || n != 0) {
        // An encrypted entry that does not decrypt is, as far as anyone can tell, a
        // wrong password.
        return Fail(n < 0 && encrypted_ ? ArchiveProblem::WrongPassword : ArchiveProblem::Damaged);
    }
    problem_ = ArchiveProblem::None;
    return true;
}

bool LibArchiveReader::Skip() {
    if (!atEntry_) return false;
    atEntry_ = false;
    if (archive_read_data_skip(archive_) != ARCHIVE_OK) return Fail(ArchiveProblem::Damaged);
    return true;
}

void LibArchiveReader::Close() {
    if (archive_ != nullptr) archive_read_free(archive_);
    archive_ = nullptr;
    file_ = FileDescriptor();
    atEntry_ = false;
}

}  // namespace zelkor
