#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelkor {

// One value to store: section, key and text (Windows-1252, like all text in memory).
struct SettingsEntry {
    std::string section;
    std::string key;
    std::string value;
};

// The per-user settings of the game and the editor: text values by section and key.
// Section and key names ignore letter case. Reading a missing key gives nothing and
// the caller applies its default. Writes report success, but callers may ignore it:
// a failed write keeps the values for the rest of the run and retries them with the
// next write. What is written reads back exactly; a value the store cannot hold that
// way (the settings file's lines hold no line breaks) is refused: the write reports
// failure, the reporter says so, and the other values of the write are kept.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual std::optional<std::string> Read(std::string_view section, std::string_view key) = 0;
    virtual bool WriteBatch(std::span<const SettingsEntry> entries) = 0;
    bool Write(std::string_view section, std::string_view key, std::string_view value);

    // Receives a line (UTF-8) for the player, each kind at most once per store: the
    // first write that fails, the first value refused, and a damaged or far too large
    // file kept aside. A store that cannot fail says nothing.
    virtual void SetReporter(std::function<void(std::string_view)>) {}
};

// A store that lives only as long as the object; the headless runner and tests use it.
class MemorySettingsStore final : public SettingsStore {
public:
    std::optional<std::string> Read(std::string_view section, std::string_view key) override;
    bool WriteBatch(std::span<const SettingsEntry> entries) override;

private:
    std::map<std::string, std::string> values_;  // by lower-case "section\nkey"
};

// The settings file, shared by the game and the editor. On disk it is an INI file in
// UTF-8; values with blanks at either end are written in double quotes.
//
// Every write takes an exclusive lock (a lock file beside the settings file), reads
// the file as it is on disk, changes only its own keys and replaces the file in one
// rename, so two programs writing at once never erase each other's values and a crash
// halfway leaves the old file whole. Reads come from a copy in memory that is read
// again only when the file on disk has changed.
//
// A damaged file (lines that are not settings, broken text, binary junk) never stops
// the game: the readable lines still count, the rest give their defaults, and before
// the first write replaces it the damaged file is kept as "<file>.damaged". A file
// over 16 MiB is junk as a whole: every key gives its default, and the file is kept
// the same way. Anything at the file's name that is not a regular file (a FIFO, a
// folder) is never read, waited on or replaced, and links planted at the names of
// the lock or the temporary files are never followed.
class IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(std::filesystem::path file);
    ~IniSettingsStore() override;
    IniSettingsStore(const IniSettingsStore&) = delete;
    IniSettingsStore& operator=(const IniSettingsStore&) = delete;

    std::optional<std::string> Read(std::string_view section, std::string_view key) override;
    bool WriteBatch(std::span<const SettingsEntry> entries) override;

    const std::filesystem::path& File() const;
    // True when the file as last read held something unreadable.
    bool Damaged();

    // Runs after the new file is complete on disk and before it replaces the old one;
    // tests use it to break off a write at its most delicate point.
    void SetBeforeReplaceHook(std::function<void()> hook);

    void SetReporter(std::function<void(std::string_view)> report) override;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// "$XDG_CONFIG_HOME/Zelkor/settings.ini", or "~/.config/Zelkor/settings.ini" when that
// variable is unset or not an absolute path.
std::filesystem::path DefaultSettingsFile();
std::filesystem::path DefaultSettingsFile(const char* xdgConfigHome, const char* home);

}  // namespace zelkor
