#include "common/player_game_folder.h"

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <system_error>

#include "common/atomic_file.h"
#include "common/file_descriptor.h"
#include "common/lock_file.h"
#include "common/regular_file.h"

namespace zelkor {
namespace fs = std::filesystem;
namespace {

constexpr std::size_t kMaxListBytes = 1 << 20;
constexpr std::size_t kMaxShippedFileBytes = std::size_t{1} << 30;

struct ShippedFile {
    std::string hash;
    std::uint64_t size = 0;
    std::string path;
};

// What the player's folder received of one shipped file, and the stamp the copy got.
struct Copy {
    std::string hash;
    std::uint64_t size = 0;
    std::int64_t mtime = 0;  // nanoseconds
    friend bool operator==(const Copy&, const Copy&) = default;
};

using Copies = std::map<std::string, Copy>;

std::string Quoted(const fs::path& path) {
    return "\"" + path.string() + "\"";
}

std::string Reason(int error) {
    return std::generic_category().message(error);
}

// A relative '/' path of plain names that stays inside the folder and is none of the
// folder's own bookkeeping files. Lists come from outside: a damaged or hand-edited
// one must not lead anywhere else.
bool IsPlainRelativePath(std::string_view path) {
    if (path.empty() || path.front() == '/' || path.size() > 4096) return false;
    for (const char c : path)
        if (static_cast<unsigned char>(c) < 0x20 || c == '\\' || c == 0x7F) return false;
    std::string_view rest = path;
    while (true) {
        const std::size_t cut = rest.find('/');
        const std::string_view part = rest.substr(0, cut);
        if (part.empty() || part == "." || part == ".." || part.ends_with(".tmp")) return false;
        if (cut == std::string_view::npos) break;
        rest.remove_prefix(cut + 1);
    }
    return path != kShippedListName && path != kShippedCopiesName && path != kPreparationLockName;
}

template <typename Int>
std::optional<Int> ReadNumber(std::string_view text) {
    Int value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Splits off the first blank-separated word of `rest`.
std::string_view NextWord(std::string_view& rest) {
    const std::size_t cut = rest.find(' ');
    const std::string_view word = rest.substr(0, cut);
    rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
    return word;
}

// Calls `line` with every line that is neither empty nor a comment.
template <typename Fn>
void ForEachLine(std::string_view text, Fn line) {
    while (!text.empty()) {
        const std::size_t cut = text.find('\n');
        std::string_view one = text.substr(0, cut);
        text = cut == std::string_view::npos ? std::string_view() : text.substr(cut + 1);
        if (!one.empty() && one.back() == '\r') one.remove_suffix(1);
        if (!one.empty() && one.front() != '#') line(one);
    }
}

std::vector<ShippedFile> ParseShippedList(std::string_view text, int& refused) {
    std::vector<ShippedFile> files;
    std::set<std::string, std::less<>> seen;
    ForEachLine(text, [&](std::string_view rest) {
        ShippedFile f;
        f.hash = NextWord(rest);
        const auto size = ReadNumber<std::uint64_t>(NextWord(rest));
        if (f.hash.empty() || !size || !IsPlainRelativePath(rest) || seen.contains(rest)) {
            ++refused;
            return;
        }
        f.size = *size;
        f.path = rest;
        seen.insert(f.path);
        files.push_back(std::move(f));
    });
    return files;
}

Copies ParseCopies(std::string_view text) {
    Copies copies;
    ForEachLine(text, [&](std::string_view rest) {
        Copy c;
        c.hash = NextWord(rest);
        const auto size = ReadNumber<std::uint64_t>(NextWord(rest));
        const auto mtime = ReadNumber<std::int64_t>(NextWord(rest));
        if (c.hash.empty() || !size || !mtime || !IsPlainRelativePath(rest)) return;
        c.size = *size;
        c.mtime = *mtime;
        copies.emplace(std::string(rest), std::move(c));
    });
    return copies;
}

std::string FormatCopies(const Copies& copies) {
    std::string text =
        "# The shipped files this folder received: hash and size of the shipped file, the\n"
        "# time stamp of the copy here. A copy whose stamp changed is the player's own.\n";
    for (const auto& [path, c] : copies)
        text += c.hash + ' ' + std::to_string(c.size) + ' ' + std::to_string(c.mtime) + ' ' + path +
                '\n';
    return text;
}

std::int64_t MtimeOf(const struct stat& st) {
    return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
}

// The copy as it stands now, when it is a regular file.
std::optional<Copy> StampOf(const fs::path& file, const std::string& hash) {
    struct stat st {};
    if (::lstat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return Copy{hash, static_cast<std::uint64_t>(st.st_size), MtimeOf(st)};
}

bool Unchanged(const std::optional<Copy>& now, const Copy& received) {
    return now && now->size == received.size && now->mtime == received.mtime;
}

bool SameContents(const fs::path& a, const fs::path& b) {
    const FileBytes left = ReadRegularFile(a, kMaxShippedFileBytes);
    if (left.status != FileStatus::Ok) return false;
    const FileBytes right = ReadRegularFile(b, kMaxShippedFileBytes);
    return right.status == FileStatus::Ok && left.bytes == right.bytes;
}

// An exclusive lock on a file in the folder, held until it goes. Without the lock (a
// read-only folder) the preparation goes on: it then only finds what is missing.
class FolderLock {
public:
    explicit FolderLock(const fs::path& file) : fd_(OpenLockFile(file)) {
        if (fd_.ok()) LockFile(fd_.get(), LOCK_EX);
    }

private:
    FileDescriptor fd_;
};

class Preparation {
public:
    Preparation(const fs::path& shipped, const fs::path& folder, FolderPreparation& report)
        : shipped_(shipped), folder_(folder), report_(report) {}

    void Run(std::string_view listText) {
        int refused = 0;
        const std::vector<ShippedFile> files = ParseShippedList(listText, refused);
        if (refused > 0)
            Problem("the list of shipped files " + Quoted(shipped_ / kShippedListName) + " has " +
                    std::to_string(refused) + " lines that name no file inside the game folder");
        const Copies received = ReadCopies();

        std::set<std::string> folders = {"gfx", "lvl", "snd"};  // the game writes into these
        for (const ShippedFile& f : files)
            for (std::size_t slash = f.path.find('/'); slash != std::string::npos;
                 slash = f.path.find('/', slash + 1))
                folders.insert(f.path.substr(0, slash));
        std::set<std::string> usable;  // a parent sorts before what it holds
        for (const std::string& name : folders) {
            const std::size_t slash = name.rfind('/');
            const bool parentUsable =
                slash == std::string::npos || usable.contains(name.substr(0, slash));
            if (parentUsable && MakeRealFolder(folder_ / name)) usable.insert(name);
        }

        Copies now;
        std::set<std::string> shippedPaths;
        for (const ShippedFile& f : files) {
            shippedPaths.insert(f.path);
            const std::size_t slash = f.path.rfind('/');
            if (slash != std::string::npos && !usable.contains(f.path.substr(0, slash))) continue;
            const auto old = received.find(f.path);
            Bring(f, old == received.end() ? nullptr : &old->second, now);
        }
        for (const auto& [path, copy] : received) {
            if (shippedPaths.contains(path)) continue;
            // No longer shipped: an untouched copy goes, a changed one is the player's.
            const fs::path local = folder_ / path;
            if (Unchanged(StampOf(local, copy.hash), copy) && ::unlink(local.c_str()) == 0)
                ++report_.removed;
        }
        if (now != received) {
            int error = 0;
            if (!WriteFileAtomically(folder_ / kShippedCopiesName, FormatCopies(now), {}, &error))
                Problem("cannot write " + Quoted(folder_ / kShippedCopiesName) + ": " +
                        Reason(error));
        }
    }

private:
    void Problem(std::string text) { report_.problems.push_back(std::move(text)); }

    Copies ReadCopies() const {
        const FileBytes record = ReadRegularFile(folder_ / kShippedCopiesName, kMaxListBytes);
        return record.status == FileStatus::Ok ? ParseCopies(record.bytes) : Copies{};
    }

    // A folder of its own at `path`: a link there is removed (never followed), and
    // anything else that is not a folder is moved aside under a new name.
    bool MakeRealFolder(const fs::path& path) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0) {
            if (S_ISDIR(st.st_mode)) return true;
            const fs::path aside = fs::path(path.string() + ".not-a-folder");
            if (S_ISLNK(st.st_mode) ? ::unlink(path.c_str()) != 0
                                    : ::rename(path.c_str(), aside.c_str()) != 0) {
                Problem("cannot make " + Quoted(path) + " a folder: " + Reason(errno));
                return false;
            }
            if (!S_ISLNK(st.st_mode))
                Problem(Quoted(path) + " was no folder and is now " + Quoted(aside));
        } else if (errno != ENOENT) {
            Problem("cannot use " + Quoted(path) + ": " + Reason(errno));
            return false;
        }
        if (::mkdir(path.c_str(), 0777) != 0 && errno != EEXIST) {
            Problem("cannot create " + Quoted(path) + ": " + Reason(errno));
            return false;
        }
        return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }

    // Puts the shipped file `f` into the folder unless the player's own file is there.
    void Bring(const ShippedFile& f, const Copy* received, Copies& now) {
        const fs::path local = folder_ / f.path;
        const fs::path source = shipped_ / f.path;
        struct stat st {};
        if (::lstat(local.c_str(), &st) == 0) {
            if (S_ISREG(st.st_mode)) {
                const std::optional<Copy> stamp = StampOf(local, f.hash);
                if (received != nullptr && Unchanged(stamp, *received)) {
                    if (received->hash == f.hash) {
                        now[f.path] = *received;
                        return;
                    }
                } else if (SameContents(local, source)) {
                    now[f.path] = *stamp;  // already the shipped file: from now on a copy
                    return;
                } else {
                    ++report_.kept;
                    return;
                }
            } else if (!S_ISLNK(st.st_mode)) {
                Problem("cannot put the shipped file in place of " + Quoted(local) +
                        ": something else is there");
                return;
            }
        }
        const FileBytes bytes = ReadRegularFile(source, kMaxShippedFileBytes);
        if (bytes.status != FileStatus::Ok) {
            Problem("cannot read the shipped file " + Quoted(source));
            return;
        }
        if (bytes.bytes.size() != f.size)
            Problem("the shipped file " + Quoted(source) + " is not the size its list gives");
        int error = 0;
        if (!WriteFileAtomically(local, bytes.bytes, {}, &error)) {
            Problem("cannot copy " + Quoted(source) + " to " + Quoted(local) + ": " +
                    Reason(error));
            return;
        }
        if (const std::optional<Copy> stamp = StampOf(local, f.hash)) now[f.path] = *stamp;
        ++report_.copied;
        if (received != nullptr && received->hash != f.hash) ++report_.refreshed;
    }

    const fs::path& shipped_;
    const fs::path& folder_;
    FolderPreparation& report_;
};

}  // namespace

FolderPreparation PreparePlayerGameFolder(const fs::path& shipped, const fs::path& folder) {
    FolderPreparation report;
    const FileBytes list = ReadRegularFile(shipped / kShippedListName, kMaxListBytes);
    if (list.status != FileStatus::Ok) {
        report.problems.push_back("cannot read the list of shipped files " +
                                  Quoted(shipped / kShippedListName));
        return report;
    }
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec)) {
        report.problems.push_back("cannot create the game folder " + Quoted(folder) +
                                  (ec ? ": " + ec.message() : ""));
        return report;
    }
    const FolderLock lock(folder / kPreparationLockName);
    Preparation(shipped, folder, report).Run(list.bytes);
    return report;
}

}  // namespace zelkor
