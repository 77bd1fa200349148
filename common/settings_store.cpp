#include "common/settings_store.h"

#include <SimpleIni.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "common/atomic_file.h"
#include "common/file_identity.h"
#include "common/ini_text.h"
#include "common/regular_file.h"
#include "common/text_encoding.h"
#include "common/write_lock.h"

namespace zelkor {
namespace fs = std::filesystem;

namespace {

// A settings file is a few kilobytes. Much larger ones are still read whole (a long
// list of someone's own keys is no reason to lose them); beyond this it is junk.
constexpr std::size_t kLargestSettingsFile = std::size_t{16} << 20;

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

// An empty document that keeps values as they stand in the file (quotes included), so
// lines of others are written back unchanged.
std::unique_ptr<CSimpleIniA> NewDocument() {
    auto doc = std::make_unique<CSimpleIniA>(/*utf8=*/true, /*multiKey=*/false,
                                             /*multiLine=*/false);
    doc->SetQuotes(false);  // quotes are ours to add and remove, see IniValueOnDisk
    doc->SetSpaces(false);
    return doc;
}

constexpr std::string_view kCouldNotSave = "Could not save the settings: ";

std::string ErrorText(int error) {
    return std::generic_category().message(error);
}

}  // namespace

bool SettingsStore::Write(std::string_view section, std::string_view key, std::string_view value) {
    const SettingsEntry entry{std::string(section), std::string(key), std::string(value)};
    return WriteBatch(std::span(&entry, 1));
}

// ---- MemorySettingsStore ----

namespace {
std::string MemoryKey(std::string_view section, std::string_view key) {
    return LowerAscii(section) + '\n' + LowerAscii(key);
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
    bool refusalReported = false;

    void Say(bool& said, const std::string& line) {
        if (said || !report) return;
        said = true;
        report(line);
    }

    bool WriteFailed(const std::string& why) {
        Say(writeFailureReported, std::string(kCouldNotSave) + why);
        return false;
    }

    void Take(const FileIdentity& identity, std::string_view bytes, bool tooLarge = false) {
        ReadableIniText readable = KeepReadableLines(bytes);
        auto fresh = NewDocument();
        fresh->LoadData(readable.text);
        doc = std::move(fresh);
        damaged = readable.damaged || tooLarge;
        seen = identity;
        loaded = true;
    }

    // Reads the file again when it is not the one read last.
    void Refresh() {
        if (loaded && FileIdentity::At(file) == seen) return;
        FileContents contents = ReadFileContents(file);
        if (!contents.readable) {
            if (!loaded) Take({}, {});
            return;  // keep what we have and try again next time
        }
        if (contents.tooLarge)
            Say(tooLargeReported, "Settings: " + file.string() +
                                      " is far too large for settings and is not read; every "
                                      "option starts from its default, and the file will be kept "
                                      "as " +
                                      damagedFile.string());
        Take(contents.identity, contents.bytes, contents.tooLarge);
    }

    const std::string* FindUnsaved(std::string_view section, std::string_view key) const {
        for (const SettingsEntry& e : unsaved)
            if (SameIniName(e.section, section) && SameIniName(e.key, key)) return &e.value;
        return nullptr;
    }

    // Keeps the damaged file as it is before it is replaced. One too large to read is
    // moved aside instead of copied; the write that follows puts a new file in its place.
    // The system's error number when it cannot be kept, 0 when it is.
    int KeepDamagedFile(const FileContents& current) const {
        if (current.tooLarge) return ::rename(file.c_str(), damagedFile.c_str()) == 0 ? 0 : errno;
        int error = 0;
        return WriteFileAtomically(damagedFile, current.bytes, {}, &error) ? 0 : error;
    }

    bool Persist() {
        std::error_code ec;
        if (!file.parent_path().empty()) fs::create_directories(file.parent_path(), ec);
        if (ec) return WriteFailed(ec.message());
        WriteLock lock(lockFile);
        if (!lock.locked())
            return WriteFailed(ErrorText(lock.error()) + " (" + lockFile.string() + ")");

        // What is on disk now counts, not what we read earlier: the other program may
        // have written since.
        const FileContents current = ReadFileContents(file);
        // Never replace what could not be read, a FIFO or a folder at the name either.
        if (!current.readable)
            return WriteFailed(file.string() + " is no regular file or cannot be read");
        ReadableIniText readable = KeepReadableLines(current.bytes);
        if (readable.damaged || current.tooLarge) {
            if (const int error = KeepDamagedFile(current); error != 0)
                return WriteFailed(ErrorText(error) + " (the damaged file cannot be kept as " +
                                   damagedFile.string() + ")");
            Say(damagedReported, "Settings: " + file.string() +
                                     " was damaged; what could be read is kept, and "
                                     "the old file is " +
                                     damagedFile.string());
        }

        auto merged = NewDocument();
        merged->LoadData(readable.text);
        for (const SettingsEntry& e : unsaved) {
            merged->SetValue(Cp1252ToUtf8(e.section).c_str(), Cp1252ToUtf8(e.key).c_str(),
                             IniValueOnDisk(e.value).c_str());
        }
        std::string text;
        if (merged->Save(text) < 0) return WriteFailed("out of memory");
        AtomicFileWriter::Options options;
        options.beforeReplace = beforeReplace;
        int error = 0;
        if (!WriteFileAtomically(file, text, std::move(options), &error))
            return WriteFailed(ErrorText(error));

        Take(FileIdentity::At(file), text);
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
    return IniValueInMemory(value);
}

bool IniSettingsStore::WriteBatch(std::span<const SettingsEntry> entries) {
    bool refused = false;
    for (const SettingsEntry& e : entries) {
        if (!IniCanStore(e.section, e.key, e.value)) {
            state_->Say(state_->refusalReported,
                        std::string(kCouldNotSave) + "[" + Cp1252ToUtf8(e.section) + "] " +
                            Cp1252ToUtf8(e.key) + " holds a line break or a control character");
            refused = true;
            continue;
        }
        std::erase_if(state_->unsaved, [&](const SettingsEntry& old) {
            return SameIniName(old.section, e.section) && SameIniName(old.key, e.key);
        });
        state_->unsaved.push_back(e);
    }
    return state_->Persist() && !refused;
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
