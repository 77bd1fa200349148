#include "game/platform/archive_unrar_session.h"

#include <cstdint>
#include <cstring>
#include <cwchar>
#include <string_view>
#include <unrar/dll.hpp>

#include "common/char_type.h"

namespace zelkor {
namespace {

constexpr unsigned int kHostUnix = 3;
constexpr unsigned int kUnixFileType = 0170000;
constexpr unsigned int kUnixSymlink = 0120000;

ArchiveProblem ProblemOf(int result) {
    switch (result) {
        case ERAR_SUCCESS:
        case ERAR_END_ARCHIVE:
            return ArchiveProblem::None;
        case ERAR_BAD_PASSWORD:
        case ERAR_MISSING_PASSWORD:
            return ArchiveProblem::WrongPassword;
        default:
            return ArchiveProblem::Damaged;
    }
}

int CALLBACK UnrarCallback(UINT message, LPARAM user, LPARAM p1, LPARAM p2) {
    return reinterpret_cast<UnrarSession*>(user)->OnCallback(message, p1, p2);
}

}  // namespace

UnrarSession::UnrarSession() : header_(std::make_unique<RARHeaderDataEx>()) {}

UnrarSession::~UnrarSession() {
    Close();
}

bool UnrarSession::Open(const std::filesystem::path& archive, std::string_view password,
                        ArchiveReader::Purpose purpose) {
    Close();
    // The library turns names into file names through LC_CTYPE; under "C" every
    // non-ASCII name comes out empty.
    UseUtf8CharacterType();
    password_ = std::string(password);
    std::string name = archive.string();
    RAROpenArchiveDataEx data{};
    data.ArcName = name.data();
    data.OpenMode = purpose == ArchiveReader::Purpose::List ? RAR_OM_LIST : RAR_OM_EXTRACT;
    data.Callback = UnrarCallback;
    data.UserData = reinterpret_cast<LPARAM>(this);
    handle_ = RAROpenArchiveEx(&data);
    problem_ = data.OpenResult == ERAR_SUCCESS ? ArchiveProblem::None
                                               : ProblemOf(static_cast<int>(data.OpenResult));
    if (handle_ != nullptr && data.OpenResult != ERAR_SUCCESS) Close();
    if (handle_ == nullptr) {
        if (problem_ == ArchiveProblem::None) problem_ = ArchiveProblem::Damaged;
        return false;
    }
    if (!password_.empty()) RARSetPassword(handle_, password_.data());
    return true;
}

bool UnrarSession::ReadHeader(ArchiveEntry& entry) {
    atEntry_ = false;
    if (handle_ == nullptr) return false;
    *header_ = RARHeaderDataEx{};
    const int result = RARReadHeaderEx(handle_, header_.get());
    problem_ = ProblemOf(result);
    if (result != ERAR_SUCCESS) return false;
    if (std::uint64_t{header_->DictSize} * 1024 > kMaxDictionaryBytes) {
        problem_ = ArchiveProblem::DictionaryTooLarge;
        return false;
    }

    // In UTF-8 once the character type is UTF-8 (see Open).
    entry.name.assign(header_->FileName, strnlen(header_->FileName, sizeof header_->FileName));
    const bool unixLink =
        header_->HostOS == kHostUnix && (header_->FileAttr & kUnixFileType) == kUnixSymlink;
    if (header_->RedirType != 0 || unixLink)
        entry.kind = ArchiveEntry::Kind::Link;
    else if (header_->Flags & RHDF_DIRECTORY)
        entry.kind = ArchiveEntry::Kind::Folder;
    else
        entry.kind = ArchiveEntry::Kind::File;
    atEntry_ = true;
    return true;
}

bool UnrarSession::Test(const Sink& sink) {
    if (!atEntry_) return false;
    atEntry_ = false;
    sink_ = &sink;
    // Testing decodes and checks the entry; the data arrives in OnCallback.
    const int result = RARProcessFile(handle_, RAR_TEST, nullptr, nullptr);
    sink_ = nullptr;
    problem_ = ProblemOf(result);
    return result == ERAR_SUCCESS;
}

bool UnrarSession::Skip() {
    if (!atEntry_) return false;
    atEntry_ = false;
    const int result = RARProcessFile(handle_, RAR_SKIP, nullptr, nullptr);
    problem_ = ProblemOf(result);
    return result == ERAR_SUCCESS;
}

void UnrarSession::Close() {
    if (handle_ != nullptr) RARCloseArchive(handle_);
    handle_ = nullptr;
    atEntry_ = false;
}

int UnrarSession::OnCallback(unsigned int message, long p1, long p2) {
    switch (message) {
        case UCM_PROCESSDATA:
            if (sink_ == nullptr) return 1;
            return (*sink_)(reinterpret_cast<const void*>(p1), static_cast<std::size_t>(p2)) ? 1
                                                                                             : -1;
        case UCM_NEEDPASSWORD: {  // a header-encrypted archive asks before any header
            if (password_.empty() || static_cast<std::size_t>(p2) <= password_.size()) return -1;
            password_.copy(reinterpret_cast<char*>(p1), password_.size());
            reinterpret_cast<char*>(p1)[password_.size()] = '\0';
            return 1;
        }
        case UCM_NEEDPASSWORDW: {
            wchar_t* buffer = reinterpret_cast<wchar_t*>(p1);
            if (password_.empty()) return -1;
            std::mbstate_t state{};
            const char* source = password_.c_str();
            const std::size_t n =
                std::mbsrtowcs(buffer, &source, static_cast<std::size_t>(p2), &state);
            if (n == static_cast<std::size_t>(-1) || source != nullptr) return -1;
            return 1;
        }
        default:  // another volume: single-volume archives only
            return -1;
    }
}

}  // namespace zelkor
