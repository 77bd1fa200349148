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

#include "common/atomic_file.h"
#include "common/file_descriptor.h"
#include "common/regular_file.h"
#include "common/text_encoding.h"

namespace zelkor {
namespace fs = std::filesystem;

namespace {

// A settings file is a few kilobytes. Much larger ones are still read whole (a long
// list of someone's own keys is no reason to lose them); beyond this it is junk.
constexpr std::size_t kLargestSettingsFile = std::size_t{16} << 20;

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

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
    bool readable = true;  // false: something is there but could not be read as settings
    bool tooLarge = false;
    FileIdentity identity;
    std::string bytes;
};

FileContents ReadFileContents(const fs::path& file) {
    FileContents result;
    FileBytes read = ReadRegularFile(file, kLargestSettingsFile);
    switch (read.status) {
        case FileStatus::Ok:
            result.identity = FileIdentity::Of(read.info);
            result.bytes = std::move(read.bytes);
            break;
        case FileStatus::Missing:
            break;
        case FileStatus::TooLarge:
            result.identity = FileIdentity::Of(read.info);
            result.tooLarge = true;
            break;
        case FileStatus::NotAFile:
        case FileStatus::Unreadable:
            result.readable = false;
            break;
    }
    return result;
}

// Holds an exclusive lock on the lock file for as long as it lives. The lock file is
// never removed: removing it would let two writers lock two different files.
class WriteLock {
public:
    explicit WriteLock(const fs::path& lockFile)
        : fd_(::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                     0666)) {
        // Only a regular file of our own: never a link planted in its place, and never
        // a FIFO, which would block the write for ever.
        struct stat st {};
        if (!fd_.ok() || ::fstat(fd_.get(), &st) != 0) {
            error_ = errno;
            return;
        }
        if (!S_ISREG(st.st_mode)) {
            error_ = EINVAL;
            return;
        }
        int rc;
        do
            rc = ::flock(fd_.get(), LOCK_EX);
        while (rc != 0 && errno == EINTR);
        locked_ = (rc == 0);
        if (!locked_) error_ = errno;
    }
    bool locked() const { return locked_; }
    int error() const { return error_; }

private:
    FileDescriptor fd_;
    bool locked_ = false;
    int error_ = 0;
};

std::string ErrorText(int error) {
    return std::generic_category().message(error);
}

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
    fs::path damagedFile;
    std::unique_ptr<CSimpleIniA> doc = NewDocument();
    bool loaded = false;
    FileIdentity seen;
    bool damaged = false;
    std::vector<SettingsEntry> unsaved;  // written by us but not yet on disk
    std::function<void()> beforeReplace;
    std::function<void(std::string_view)> report;
    bool writeFailureReported = false;
    bool tooLargeReported = false;
    bool damagedReported = false;

    void Say(bool& said, const std::string& line) {
        if (said || !report) return;
        said = true;
        report("Settings: " + line);
    }

    bool WriteFailed(const std::string& why) {
        Say(writeFailureReported, "cannot write " + file.string() + " (" + why +
                                      "); changed options last only until the game ends");
        return false;
    }

    void Take(const FileIdentity& identity, std::string_view bytes, bool tooLarge = false) {
        ReadableText readable = KeepReadableLines(bytes);
        auto fresh = NewDocument();
        fresh->LoadData(readable.text);
        doc = std::move(fresh);
        damaged = readable.damaged || tooLarge;
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
        if (contents.tooLarge)
            Say(tooLargeReported, file.string() +
                                      " is far too large for settings and is not read; every "
                                      "option starts from its default, and the file will be kept "
                                      "as " +
                                      damagedFile.string());
        Take(contents.identity, contents.bytes, contents.tooLarge);
    }

    const std::string* FindUnsaved(std::string_view section, std::string_view key) const {
        for (const SettingsEntry& e : unsaved)
            if (SameName(e.section, section) && SameName(e.key, key)) return &e.value;
        return nullptr;
    }

    // Keeps the damaged file as it is before it is replaced. One too large to read is
    // moved aside instead of copied; the write that follows puts a new file in its place.
    bool KeepDamagedFile(const FileContents& current) const {
        if (current.tooLarge) return ::rename(file.c_str(), damagedFile.c_str()) == 0;
        return WriteFileAtomically(damagedFile, current.bytes);
    }

    bool Persist() {
        std::error_code ec;
        if (!file.parent_path().empty()) fs::create_directories(file.parent_path(), ec);
        if (ec) return WriteFailed(ec.message());
        WriteLock lock(lockFile);
        if (!lock.locked()) return WriteFailed(lockFile.string() + ": " + ErrorText(lock.error()));

        // What is on disk now counts, not what we read earlier: the other program may
        // have written since.
        const FileContents current = ReadFileContents(file);
        // Never replace what could not be read, a FIFO or a folder at the name either.
        if (!current.readable) return WriteFailed("it is no regular file or cannot be read");
        ReadableText readable = KeepReadableLines(current.bytes);
        if (readable.damaged || current.tooLarge) {
            if (!KeepDamagedFile(current))
                return WriteFailed("the damaged file cannot be kept as " + damagedFile.string());
            Say(damagedReported, file.string() +
                                     " was damaged; what could be read is kept, and "
                                     "the old file is " +
                                     damagedFile.string());
        }

        auto merged = NewDocument();
        merged->LoadData(readable.text);
        for (const SettingsEntry& e : unsaved) {
            merged->SetValue(Cp1252ToUtf8(e.section).c_str(), Cp1252ToUtf8(e.key).c_str(),
                             ValueOnDisk(e.value).c_str());
        }
        std::string text;
        if (merged->Save(text) < 0) return WriteFailed("out of memory");
        AtomicFileWriter::Options options;
        options.beforeReplace = beforeReplace;
        int error = 0;
        if (!WriteFileAtomically(file, text, std::move(options), &error))
            return WriteFailed(ErrorText(error));

        Take(IdentityOf(file), text);
        unsaved.clear();
        return true;
    }
};

IniSettingsStore::IniSettingsStore(fs::path file) : state_(std::make_unique<State>()) {
    state_->file = std::move(file);
    state_->lockFile = state_->file;
    state_->lockFile += ".lock";
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

void IniSettingsStore::SetReporter(std::function<void(std::string_view)> report) {
    state_->report = std::move(report);
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
