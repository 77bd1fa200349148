#include "tools/assetgen/stage.h"

#include <algorithm>
#include <set>
#include <string>
#include <string_view>

#include "tools/zkpack/archive_writer.h"

namespace zelkor::assetgen {
namespace {

// The password of the game's own archives. It is in every level designer's hands,
// so the encryption only keeps the archives' format; the traditional ZIP cipher
// keeps it with a key set up in no time, where AES derives a key for every entry
// and would add a noticeable part to the game's start.
constexpr std::string_view kArchivePassword = "kt90472";

// Packs files into a ZIP archive, each under its path with `strip` cut off its front,
// folders first as "name/" entries, everything sorted by name. The archive is written
// beside its final place and moved there, so a failed run never leaves half an archive.
void Pack(const std::vector<FileEntry>& files, const std::string& strip,
          const std::filesystem::path& out, std::string_view password) {
    std::set<std::string> folders;
    std::vector<std::pair<std::string, const FileEntry*>> entries;
    for (const FileEntry& f : files) {
        const std::string name = f.path.substr(strip.size());
        for (std::size_t slash = name.find('/'); slash != std::string::npos;
             slash = name.find('/', slash + 1)) {
            folders.insert(name.substr(0, slash + 1));
        }
        entries.emplace_back(name, &f);
    }
    for (const std::string& folder : folders)
        entries.emplace_back(folder, nullptr);
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });

    std::filesystem::create_directories(out.parent_path());
    const std::filesystem::path partial = out.string() + ".partial";
    {
        zkpack::ArchiveWriter writer(partial, zkpack::ArchiveFormat::Zip, password,
                                     zkpack::ZipEncryption::Traditional);
        for (const auto& [name, file] : entries) {
            if (file == nullptr) {
                writer.AddFolder(name);
            } else {
                writer.AddFile(name,
                               std::string_view(reinterpret_cast<const char*>(file->bytes.data()),
                                                file->bytes.size()));
            }
        }
        writer.Finish();
    }
    std::filesystem::rename(partial, out);
}

}  // namespace

void WriteTree(const AssetSet& set, const std::filesystem::path& root) {
    for (const FileEntry& f : set.Files())
        WriteIfChanged(root / f.path, f.bytes);
}

std::vector<std::string> StageGameFolder(const AssetSet& set,
                                         const std::filesystem::path& gameFolder) {
    const std::vector<FileEntry> all = set.Files();
    auto under = [&](const std::string& prefix) {
        std::vector<FileEntry> some;
        for (const FileEntry& f : all) {
            if (f.path.rfind(prefix, 0) == 0) some.push_back(f);
        }
        return some;
    };
    std::vector<std::string> staged;
    auto pack = [&](const std::string& prefix, const std::string& strip, const std::string& out,
                    std::string_view password) {
        Pack(under(prefix), strip, gameFolder / out, password);
        staged.push_back(out);
    };
    // The game unpacks these two into its own folder: their entries start with gfx/ and snd/.
    pack("gfx/", "", "gfx.zkr", kArchivePassword);
    pack("snd/", "", "snd.zkr", kArchivePassword);
    // Level archives are unpacked into gfx/, so their entries start with their own folder.
    pack("bricks/", "", "bricks.zkr", kArchivePassword);
    pack("bkg/", "", "bkg.zkr", kArchivePassword);
    // Model packs, also unpacked into gfx/: entries NAME/..., no password.
    std::set<std::string> models;
    for (const FileEntry& f : under("models/")) {
        models.insert(f.path.substr(7, f.path.find('/', 7) - 7));
    }
    for (const std::string& name : models) {
        pack("models/" + name + "/", "models/", "models/" + name + ".zmp", {});
    }
    for (const FileEntry& f : under("music/")) {
        WriteIfChanged(gameFolder / f.path, f.bytes);
        staged.push_back(f.path);
    }
    std::sort(staged.begin(), staged.end());
    return staged;
}

}  // namespace zelkor::assetgen
