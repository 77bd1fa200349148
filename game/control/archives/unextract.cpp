#include "game/control/archives/unextract.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <limits>
#include <optional>
#include <system_error>

#include "common/atomic_file.h"
#include "common/paths.h"
#include "common/text_encoding.h"

namespace zelkor {
namespace fs = std::filesystem;
namespace {

bool IsDriveLetter(std::string_view name) {
    return name.size() >= 2 && name[1] == ':' &&
           ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
}

// The entry's name as a relative '/' path without "." or empty components, or
// nothing when the name would lead outside the destination: absolute, with a
// drive letter or with a ".." component (backslashes count as separators).
std::optional<std::string> RelativeEntryPath(std::string_view name) {
    std::string slashed(name);
    for (char& c : slashed)
        if (c == '\\') c = '/';
    if (slashed.starts_with('/') || IsDriveLetter(slashed)) return std::nullopt;
    std::string out;
    std::string_view rest = slashed;
    while (!rest.empty()) {
        const std::size_t cut = rest.find('/');
        const std::string_view part = rest.substr(0, cut);
        if (part == "..") return std::nullopt;
        if (!part.empty() && part != ".") {
            if (!out.empty()) out += '/';
            out += part;
        }
        if (cut == std::string_view::npos) break;
        rest.remove_prefix(cut + 1);
    }
    return out;
}

// A new empty file beside `target` whose name no one else uses.
std::optional<fs::path> CreateTempBeside(const fs::path& target) {
    std::string pattern = (target.parent_path() / ".zk-unpack-XXXXXX").string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0) return std::nullopt;
    close(fd);
    return fs::path(pattern);
}

// Flushes a finished file to the disk before it takes its name, so that a crash never
// leaves an empty file there that the next start would take as already unpacked.
int FlushFile(const fs::path& file) {
    const int fd = open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return errno;
    const int error = fsync(fd) == 0 ? 0 : errno;
    close(fd);
    return error;
}

// The outcome of one file entry: written, or why not.
struct Extracted {
    bool ok = false;
    int writeError = 0;  // the system's error number when the disk, not the archive, failed
};

Extracted ExtractFile(ArchiveReader& reader, const fs::path& target) {
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    const std::optional<fs::path> temp = CreateTempBeside(target);
    if (!temp) {
        const int error = errno;
        reader.Skip();
        return {false, error};
    }
    Extracted out{reader.Extract(*temp), 0};
    if (!out.ok && reader.Problem() == ArchiveProblem::WriteFailed)
        out.writeError = reader.WriteError();
    if (out.ok) out.writeError = FlushFile(*temp);
    if (out.ok && out.writeError == 0) {
        fs::permissions(*temp,
                        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                            fs::perms::others_read,
                        ec);
        fs::rename(*temp, target, ec);
        out.writeError = ec.value();
    }
    out.ok = out.ok && out.writeError == 0;
    if (!out.ok) fs::remove(*temp, ec);
    return out;
}

bool CreateFolder(ArchiveReader& reader, const fs::path& target) {
    std::error_code ec;
    fs::create_directories(target, ec);
    const bool made = fs::is_directory(target, ec);
    const bool passed = reader.Skip();
    return made && passed;
}

std::string EntryName(const ArchiveEntry& entry) {
    return entry.name.substr(0, entry.name.find('\0'));
}

// Why an archive or its entries could not be unpacked, as the player reads it.
std::string_view ProblemText(ArchiveProblem problem) {
    switch (problem) {
        case ArchiveProblem::None:
            break;
        case ArchiveProblem::NotAFile:
            return "is no file, not unpacked";
        case ArchiveProblem::Damaged:
            return "is damaged or no archive";
        case ArchiveProblem::WrongPassword:
            return "wrong password";
        case ArchiveProblem::TooLarge:
            return "unpacks to far more than its own size, unpacking stopped";
        case ArchiveProblem::DictionaryTooLarge:
            return "needs too much memory to unpack, unpacking stopped";
        case ArchiveProblem::WriteFailed:
            break;  // said with the system's reason
    }
    return "";
}

class Unpacker {
public:
    Unpacker(const UnextractContext& context, const fs::path& archive, const fs::path& destination)
        : context_(context), archive_(archive), destination_(AbsolutePath(destination)) {}

    // The debug lines of each entry.
    void Print(std::string_view what, const std::string& name) const {
        if (context_.debug && !name.empty() && context_.hooks.consolePrint)
            context_.hooks.consolePrint("ZkUnextractFile: " + std::string(what) +
                                        Utf8ToCp1252(name));
    }

    void Report(const std::string& line) const {
        if (context_.hooks.reportProblem) context_.hooks.reportProblem(line);
    }

    // The first problem of the archive, once: not again for every entry it spoils.
    void ReportProblem(ArchiveProblem problem) {
        if (problem == ArchiveProblem::None || problem == ArchiveProblem::WriteFailed || reported_)
            return;
        reported_ = true;
        Report("ZkUnextractFile: " + archive_.filename().string() + ": " +
               std::string(ProblemText(problem)));
    }

    // A file that could not be written (a full disk): the system's reason, once, and never
    // as a fault of the archive's.
    void ReportWriteFailure(int error) {
        if (reported_) return;
        reported_ = true;
        const std::string reason = std::generic_category().message(error != 0 ? error : EIO);
        Report("ZkUnextractFile: " + archive_.filename().string() +
               " could not be unpacked: " + reason);
        if (context_.hooks.cannotWrite)
            context_.hooks.cannotWrite(archive_.filename().string(), reason);
    }

    // Handles one entry; true when it was extracted or passed over as present.
    bool Unpack(ArchiveReader& reader, const ArchiveEntry& entry, const std::string& name,
                fs::path& target) {
        const std::optional<std::string> relative = RelativeEntryPath(name);
        if (relative && relative->empty()) {  // "", "." or "./": nothing to write
            reader.Skip();
            return false;
        }
        if (relative) target = ResolvePath(destination_, *relative);
        if (!relative || entry.kind == ArchiveEntry::Kind::Link ||
            !IsInside(destination_, target)) {
            Report("ZkUnextractFile: refusing " + name);
            reader.Skip();
            return false;
        }

        std::error_code ec;
        if (!fs::exists(target, ec) || context_.newInstall) {
            Print("processing ", name);
            if (entry.kind == ArchiveEntry::Kind::Folder) return CreateFolder(reader, target);
            const Extracted out = ExtractFile(reader, target);
            if (out.writeError != 0) ReportWriteFailure(out.writeError);
            return out.ok;
        }
        Print("skipping ", name);
        return reader.Skip();
    }

    void Advance() const {
        ProgressCounters& progress = context_.progress;
        if (progress.count < std::numeric_limits<std::int16_t>::max()) ++progress.count;
        if (progress.total > 0 && progress.count <= progress.total && context_.hooks.setValue)
            context_.hooks.setValue(100.0 * progress.count / progress.total);
    }

private:
    const UnextractContext& context_;
    fs::path archive_;
    fs::path destination_;
    bool reported_ = false;
};

}  // namespace

fs::path CleanUpListPath(const fs::path& gameFolder, const fs::path& archive) {
    return gameFolder / ("cleanup-" + archive.filename().string() + ".zkc");
}

void ZkUnextractFile(const UnextractContext& context, const fs::path& archive,
                     const fs::path& destination, std::string_view password) {
    Unpacker unpacker(context, archive, destination);
    std::unique_ptr<ArchiveReader> reader = context.readers.ReaderFor(archive);
    if (!reader) return;
    if (!reader->Open(archive, password, ArchiveReader::Purpose::Extract)) {
        unpacker.ReportProblem(reader->Problem());
        return;
    }

    ArchiveEntry entry;
    bool more = reader->ReadHeader(entry);
    if (!more) unpacker.ReportProblem(reader->Problem());
    // The list replaces the old one in a rename, never writing through a link or a hard
    // link planted at its name.
    AtomicFileWriter list(CleanUpListPath(context.gameFolder, archive));
    if (context.hooks.showProgressFrame) context.hooks.showProgressFrame();

    while (more) {
        const std::string name = EntryName(entry);
        fs::path target;
        if (unpacker.Unpack(*reader, entry, name, target)) {
            // Everything written as a file is deleted again at quit; folders stay.
            if (entry.kind == ArchiveEntry::Kind::File) list.Write(target.string() + "\r\n");
            unpacker.Advance();
        } else {
            const ArchiveProblem problem = reader->Problem();
            unpacker.ReportProblem(problem);
            if (problem == ArchiveProblem::TooLarge) break;
        }
        if (context.hooks.doEvents) context.hooks.doEvents();
        more = reader->ReadHeader(entry);
        if (!more) unpacker.ReportProblem(reader->Problem());
    }
    if (!list.Commit()) unpacker.ReportWriteFailure(list.Error());
    reader->Close();
}

std::vector<std::string> ListArchiveEntries(ArchiveReaderFactory& readers, const fs::path& archive,
                                            std::string_view password) {
    std::vector<std::string> names;
    std::unique_ptr<ArchiveReader> reader = readers.ReaderFor(archive);
    if (!reader || !reader->Open(archive, password, ArchiveReader::Purpose::List)) return names;
    ArchiveEntry entry;
    while (reader->ReadHeader(entry)) {
        names.push_back(EntryName(entry));
        if (!reader->Skip()) break;
    }
    reader->Close();
    return names;
}

}  // namespace zelkor
