#include "common/settings_store.h"

#include <SimpleIni.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "common/text_encoding.h"

namespace zelkor {
namespace fs = std::filesystem;

namespace {

// A settings file is a few kilobytes; anything far larger is junk, not settings.
constexpr std::size_t kLargestSettingsFile = 1 << 20;

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }
    // Closes now and reports whether the close (which may flush) succeeded.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

// What tells one version of the file from the next: a replacing rename gives a new
// inode, and any write in place changes size or modification time.
struct FileIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    static FileIdentity Of(const struct stat& st) {
        return {true, st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
    }
    bool operator==(const FileIdentity& o) const {
        return exists == o.exists && device == o.device && inode == o.inode && size == o.size &&
               modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec &&
               changed.tv_sec == o.changed.tv_sec && changed.tv_nsec == o.changed.tv_nsec;
    }
};

FileIdentity IdentityOf(const fs::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) return {};
    return FileIdentity::Of(st);
}

struct FileContents {
    bool readable = true;  // false: the file exists but could not be read
    FileIdentity identity;
    std::string bytes;
};

FileContents ReadFileContents(const fs::path& file) {
    FileContents result;
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.ok()) {
        result.readable = (errno == ENOENT);
        return result;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        result.readable = false;
        return result;
    }
    result.identity = FileIdentity::Of(st);
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            result.readable = false;
            return result;
        }
        result.bytes.append(buffer, static_cast<std::size_t>(n));
        if (result.bytes.size() > kLargestSettingsFile) break;  // junk; no need for the rest
    }
    return result;
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void SyncFolder(const fs::path& folder) {
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.ok()) ::fsync(fd.get());
}

// Writes `data` to `temp`, flushes it to the disk and renames it to `file`, so that
// `file` holds either its old contents or the new ones, never a part.
bool ReplaceFile(const fs::path& file, const fs::path& temp, std::string_view data,
                 const std::function<void()>& beforeReplace) {
    FileDescriptor fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!fd.ok()) return false;
    const bool written = WriteAll(fd.get(), data) && ::fsync(fd.get()) == 0;
    if (!fd.Close() || !written) {
        ::unlink(temp.c_str());
        return false;
    }
    if (beforeReplace) beforeReplace();
    if (::rename(temp.c_str(), file.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    SyncFolder(file.parent_path().empty() ? fs::path(".") : file.parent_path());
    return true;
}

// Holds an exclusive lock on the lock file for as long as it lives. The lock file is
// never removed: removing it would let two writers lock two different files.
class WriteLock {
public:
    explicit WriteLock(const fs::path& lockFile)
        : fd_(::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666)) {
        if (!fd_.ok()) return;
        int rc;
        do
            rc = ::flock(fd_.get(), LOCK_EX);
        while (rc != 0 && errno == EINTR);
        locked_ = (rc == 0);
    }
    bool locked() const { return locked_; }

private:
    FileDescriptor fd_;
    bool locked_ = false;
};

bool IsReadableText(std::string_view line) {
    for (char c : line) {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 && b != '\t') || b == 0x7F) return false;
    }
    return IsValidUtf8(line);
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

struct ReadableText {
    std::string text;  // the readable lines only
    bool damaged = false;
};

// Keeps the lines the INI reader understands: blank lines, comments, section headers
// and "key=value". Anything else makes the file damaged and is left out, and so are
// the settings under a broken section header, which would otherwise land in the
// section before it.
ReadableText KeepReadableLines(std::string_view bytes) {
    ReadableText out;
    if (bytes.size() > kLargestSettingsFile) {
        out.damaged = true;
        return out;
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    bool sectionBroken = false;
    while (!bytes.empty()) {
        std::size_t end = bytes.find_first_of("\r\n");
        const std::string_view line = bytes.substr(0, end);
        if (end == std::string_view::npos) {
            bytes = {};
        } else {
            end += (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1;
            bytes.remove_prefix(end);
        }
        const std::string_view body = Trim(line);
        bool readable = IsReadableText(line);
        if (readable && !body.empty() && body[0] != ';' && body[0] != '#') {
            if (body[0] == '[') {
                readable = body.find(']') != std::string_view::npos;
                sectionBroken = !readable;
            } else {
                const std::size_t eq = body.find('=');
                readable = !sectionBroken && eq != std::string_view::npos && eq > 0;
            }
        } else if (!readable && body.starts_with('[')) {
            sectionBroken = true;
        }
        if (!readable) {
            out.damaged = true;
            continue;
        }
        out.text.append(line);
        out.text += '\n';
    }
    return out;
}

std::unique_ptr<CSimpleIniA> NewDocument() {
    auto doc = std::make_unique<CSimpleIniA>(/*utf8=*/true, /*multiKey=*/false,
                                             /*multiLine=*/false);
    doc->SetQuotes(false);  // quotes are ours to add and remove, see ValueOnDisk
    doc->SetSpaces(false);
    return doc;
}

// Values on disk: the INI reader drops blanks at either end of a value, so a value
// that has any is written in double quotes, and so is a value that is itself enclosed
// in double quotes; reading takes off one enclosing pair. The document keeps values as
// they stand in the file, so lines of others are written back unchanged. A value is
// one line: line breaks and other control characters in it are stored as blanks.
bool IsIniSpace(char c) {
    return c == ' ' || c == '\t';
}

std::string ValueOnDisk(std::string_view cp1252) {
    std::string value = Cp1252ToUtf8(cp1252);
    for (char& c : value) {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 && b != '\t') || b == 0x7F) c = ' ';
    }
    const bool quote =
        !value.empty() && (IsIniSpace(value.front()) || IsIniSpace(value.back()) ||
                           (value.size() >= 2 && value.front() == '"' && value.back() == '"'));
    return quote ? '"' + value + '"' : value;
}

std::string ValueInMemory(std::string_view onDisk) {
    if (onDisk.size() >= 2 && onDisk.front() == '"' && onDisk.back() == '"')
        onDisk = onDisk.substr(1, onDisk.size() - 2);
    return Utf8ToCp1252(onDisk);
}

}  // namespace

bool SettingsStore::Write(std::string_view section, std::string_view key, std::string_view value) {
    const SettingsEntry entry{std::string(section), std::string(key), std::string(value)};
    return WriteBatch(std::span(&entry, 1));
}

// ---- MemorySettingsStore ----

namespace {
std::string MemoryKey(std::string_view section, std::string_view key) {
    std::string k;
    for (char c : section)
        k += LowerAscii(c);
    k += '\n';
    for (char c : key)
        k += LowerAscii(c);
    return k;
}
}  // namespace

std::optional<std::string> MemorySettingsStore::Read(std::string_view section,
                                                     std::string_view key) {
    const auto it = values_.find(MemoryKey(section, key));
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

bool MemorySettingsStore::WriteBatch(std::span<const SettingsEntry> entries) {
    for (const SettingsEntry& e : entries)
        values_[MemoryKey(e.section, e.key)] = e.value;
    return true;
}

// ---- IniSettingsStore ----

struct IniSettingsStore::State {
    fs::path file;
    fs::path lockFile;
    fs::path tempFile;
    fs::path damagedFile;
    std::unique_ptr<CSimpleIniA> doc = NewDocument();
    bool loaded = false;
    FileIdentity seen;
    bool damaged = false;
    std::vector<SettingsEntry> unsaved;  // written by us but not yet on disk
    std::function<void()> beforeReplace;

    void Take(const FileIdentity& identity, std::string_view bytes) {
        ReadableText readable = KeepReadableLines(bytes);
        auto fresh = NewDocument();
        fresh->LoadData(readable.text);
        doc = std::move(fresh);
        damaged = readable.damaged;
        seen = identity;
        loaded = true;
    }

    // Reads the file again when it is not the one read last.
    void Refresh() {
        if (loaded && IdentityOf(file) == seen) return;
        FileContents contents = ReadFileContents(file);
        if (!contents.readable) {
            if (!loaded) Take({}, {});
            return;  // keep what we have and try again next time
        }
        Take(contents.identity, contents.bytes);
    }

    const std::string* FindUnsaved(std::string_view section, std::string_view key) const {
        for (const SettingsEntry& e : unsaved)
            if (SameName(e.section, section) && SameName(e.key, key)) return &e.value;
        return nullptr;
    }

    bool KeepDamagedCopy(std::string_view bytes) const {
        fs::path temp = damagedFile;
        temp += ".tmp";
        return ReplaceFile(damagedFile, temp, bytes, {});
    }

    bool Persist() {
        std::error_code ec;
        if (!file.parent_path().empty()) fs::create_directories(file.parent_path(), ec);
        WriteLock lock(lockFile);
        if (!lock.locked()) return false;

        // What is on disk now counts, not what we read earlier: the other program may
        // have written since.
        const FileContents current = ReadFileContents(file);
        if (!current.readable) return false;  // never replace a file we could not read
        ReadableText readable = KeepReadableLines(current.bytes);
        if (readable.damaged && !KeepDamagedCopy(current.bytes)) return false;

        auto merged = NewDocument();
        merged->LoadData(readable.text);
        for (const SettingsEntry& e : unsaved) {
            merged->SetValue(Cp1252ToUtf8(e.section).c_str(), Cp1252ToUtf8(e.key).c_str(),
                             ValueOnDisk(e.value).c_str());
        }
        std::string text;
        if (merged->Save(text) < 0) return false;
        if (!ReplaceFile(file, tempFile, text, beforeReplace)) return false;

        Take(IdentityOf(file), text);
        unsaved.clear();
        return true;
    }
};

IniSettingsStore::IniSettingsStore(fs::path file) : state_(std::make_unique<State>()) {
    state_->file = std::move(file);
    state_->lockFile = state_->file;
    state_->lockFile += ".lock";
    state_->tempFile = state_->file;
    state_->tempFile += ".tmp";
    state_->damagedFile = state_->file;
    state_->damagedFile += ".damaged";
}

IniSettingsStore::~IniSettingsStore() = default;

const fs::path& IniSettingsStore::File() const {
    return state_->file;
}

bool IniSettingsStore::Damaged() {
    state_->Refresh();
    return state_->damaged;
}

void IniSettingsStore::SetBeforeReplaceHook(std::function<void()> hook) {
    state_->beforeReplace = std::move(hook);
}

std::optional<std::string> IniSettingsStore::Read(std::string_view section, std::string_view key) {
    state_->Refresh();
    if (const std::string* value = state_->FindUnsaved(section, key)) return *value;
    const char* value =
        state_->doc->GetValue(Cp1252ToUtf8(section).c_str(), Cp1252ToUtf8(key).c_str(), nullptr);
    if (value == nullptr) return std::nullopt;
    return ValueInMemory(value);
}

bool IniSettingsStore::WriteBatch(std::span<const SettingsEntry> entries) {
    for (const SettingsEntry& e : entries) {
        std::erase_if(state_->unsaved, [&](const SettingsEntry& old) {
            return SameName(old.section, e.section) && SameName(old.key, e.key);
        });
        state_->unsaved.push_back(e);
    }
    return state_->Persist();
}

fs::path DefaultSettingsFile(const char* xdgConfigHome, const char* home) {
    fs::path config;
    if (xdgConfigHome != nullptr && fs::path(xdgConfigHome).is_absolute()) {
        config = xdgConfigHome;
    } else {
        fs::path homeDir = (home != nullptr) ? fs::path(home) : fs::path();
        if (homeDir.empty()) {
            if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr)
                homeDir = pw->pw_dir;
        }
        config = homeDir / ".config";
    }
    return config / "Zelkor" / "settings.ini";
}

fs::path DefaultSettingsFile() {
    return DefaultSettingsFile(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

}  // namespace zelkor
