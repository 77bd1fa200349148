#include "tools/zkpack/archive_writer.h"

#include <archive.h>
#include <archive_entry.h>

#include <array>
#include <fstream>
#include <stdexcept>
#include <string>

#include "common/char_type.h"

namespace zelkor::zkpack {
namespace {

struct EntryDeleter {
    void operator()(archive_entry* e) const { archive_entry_free(e); }
};
using Entry = std::unique_ptr<archive_entry, EntryDeleter>;

Entry NewEntry(std::string_view name, mode_t type, mode_t permissions) {
    Entry entry(archive_entry_new());
    if (!entry) throw std::runtime_error("zkpack: out of memory");
    archive_entry_set_pathname_utf8(entry.get(), std::string(name).c_str());
    archive_entry_set_filetype(entry.get(), type);
    archive_entry_set_perm(entry.get(), permissions);
    archive_entry_set_mtime(entry.get(), kFixedTime, 0);
    archive_entry_set_uid(entry.get(), 0);
    archive_entry_set_gid(entry.get(), 0);
    return entry;
}

}  // namespace

void ArchiveWriter::Deleter::operator()(archive* a) const {
    archive_write_free(a);
}

ArchiveWriter::ArchiveWriter(const std::filesystem::path& out, ArchiveFormat format,
                             std::string_view password, ZipEncryption encryption)
    : archive_(archive_write_new()) {
    UseUtf8CharacterType();
    archive* a = archive_.get();
    if (a == nullptr) throw std::runtime_error("zkpack: out of memory");
    const auto check = [&](int result) {
        if (result != ARCHIVE_OK)
            throw std::runtime_error("zkpack: " + out.string() + ": " + archive_error_string(a));
    };
    switch (format) {
        case ArchiveFormat::Zip:
            check(archive_write_set_format_zip(a));
            check(archive_write_set_format_option(a, "zip", "hdrcharset", "UTF-8"));
            break;
        case ArchiveFormat::SevenZip:
            check(archive_write_set_format_7zip(a));
            break;
        case ArchiveFormat::Tar:
            check(archive_write_set_format_pax_restricted(a));
            break;
    }
    if (!password.empty()) {
        if (format != ArchiveFormat::Zip)
            throw std::runtime_error("zkpack: only ZIP archives can carry a password");
        check(archive_write_set_format_option(
            a, "zip", "encryption", encryption == ZipEncryption::Aes256 ? "aes256" : "zipcrypt"));
        check(archive_write_set_passphrase(a, std::string(password).c_str()));
    }
    check(archive_write_open_filename(a, out.c_str()));
}

namespace {

void WriteHeader(archive* a, archive_entry* entry) {
    if (archive_write_header(a, entry) != ARCHIVE_OK)
        throw std::runtime_error(std::string("zkpack: ") + archive_entry_pathname(entry) + ": " +
                                 archive_error_string(a));
}

void WriteData(archive* a, const char* data, std::size_t size) {
    while (size > 0) {
        const la_ssize_t written = archive_write_data(a, data, size);
        if (written <= 0)
            throw std::runtime_error(std::string("zkpack: ") + archive_error_string(a));
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

}  // namespace

void ArchiveWriter::AddFile(std::string_view name, std::string_view contents) {
    Entry entry = NewEntry(name, AE_IFREG, 0644);
    archive_entry_set_size(entry.get(), static_cast<la_int64_t>(contents.size()));
    WriteHeader(archive_.get(), entry.get());
    WriteData(archive_.get(), contents.data(), contents.size());
}

void ArchiveWriter::AddFileFrom(std::string_view name, const std::filesystem::path& source) {
    std::ifstream in(source, std::ios::binary);
    if (!in) throw std::runtime_error("zkpack: cannot read " + source.string());
    Entry entry = NewEntry(name, AE_IFREG, 0644);
    archive_entry_set_size(entry.get(),
                           static_cast<la_int64_t>(std::filesystem::file_size(source)));
    WriteHeader(archive_.get(), entry.get());
    std::array<char, 1 << 16> buffer;
    while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0)
        WriteData(archive_.get(), buffer.data(), static_cast<std::size_t>(in.gcount()));
}

void ArchiveWriter::AddFolder(std::string_view name) {
    Entry entry = NewEntry(name, AE_IFDIR, 0755);
    WriteHeader(archive_.get(), entry.get());
}

void ArchiveWriter::AddSymlink(std::string_view name, std::string_view target) {
    Entry entry = NewEntry(name, AE_IFLNK, 0777);
    archive_entry_set_symlink_utf8(entry.get(), std::string(target).c_str());
    WriteHeader(archive_.get(), entry.get());
}

void ArchiveWriter::AddHardlink(std::string_view name, std::string_view target) {
    Entry entry = NewEntry(name, AE_IFREG, 0644);
    archive_entry_set_hardlink_utf8(entry.get(), std::string(target).c_str());
    WriteHeader(archive_.get(), entry.get());
}

void ArchiveWriter::Finish() {
    if (archive_write_close(archive_.get()) != ARCHIVE_OK)
        throw std::runtime_error(std::string("zkpack: ") + archive_error_string(archive_.get()));
}

}  // namespace zelkor::zkpack
