#pragma once

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/common/temp_folder.h"
#include "tools/assetgen/bmp.h"

namespace zelkor::assetgen::testing {

inline std::vector<unsigned char> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Unpacks one archive of the game folder into `into`, as the game does.
inline void Unpack(const std::filesystem::path& archivePath, const std::filesystem::path& into,
                   const char* password) {
    archive* a = archive_read_new();
    archive_read_support_format_zip(a);
    if (password != nullptr) archive_read_add_passphrase(a, password);
    if (archive_read_open_filename(a, archivePath.c_str(), 1 << 16) != ARCHIVE_OK) {
        archive_read_free(a);
        throw std::runtime_error("cannot open " + archivePath.string());
    }
    archive_entry* entry = nullptr;
    while (archive_read_next_header(a, &entry) == ARCHIVE_OK) {
        const std::filesystem::path target = into / archive_entry_pathname(entry);
        if (archive_entry_filetype(entry) == AE_IFDIR) {
            std::filesystem::create_directories(target);
            continue;
        }
        std::filesystem::create_directories(target.parent_path());
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        char buffer[1 << 14];
        la_ssize_t n = 0;
        while ((n = archive_read_data(a, buffer, sizeof buffer)) > 0)
            out.write(buffer, n);
        if (n < 0) {
            const std::string why =
                archive_error_string(a) ? archive_error_string(a) : "read error";
            archive_read_free(a);
            throw std::runtime_error(archivePath.string() + ": " + why);
        }
    }
    archive_read_free(a);
}

// The staged game folder's model packs, sorted by file name, without ".zmp".
inline std::vector<std::string> ModelNames() {
    std::vector<std::string> names;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(ZELKOR_DIST_DIR) / "models")) {
        if (entry.path().extension() == ".zmp") names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The game folder as the game sees it after unpacking: "gfx.zkr" and "snd.zkr" into the
// folder itself, the level archives and the model packs into gfx/. Unpacked once per
// test program into a folder of its own.
inline const std::filesystem::path& UnpackedGameFolder() {
    static const TempFolder folder;
    static const bool unpacked = [] {
        const std::filesystem::path dist = ZELKOR_DIST_DIR;
        const std::filesystem::path& root = folder.path();
        Unpack(dist / "gfx.zkr", root, "kt90472");
        Unpack(dist / "snd.zkr", root, "kt90472");
        Unpack(dist / "bricks.zkr", root / "gfx", "kt90472");
        Unpack(dist / "bkg.zkr", root / "gfx", "kt90472");
        for (const std::string& name : ModelNames())
            Unpack(dist / "models" / (name + ".zmp"), root / "gfx", nullptr);
        return true;
    }();
    (void)unpacked;
    return folder.path();
}

inline std::filesystem::path GameFile(const std::string& path) {
    if (path.rfind("music/", 0) == 0) return std::filesystem::path(ZELKOR_DIST_DIR) / path;
    return UnpackedGameFolder() / path;
}

inline std::optional<Image> LoadPicture(const std::string& path) {
    const auto bytes = ReadBytes(GameFile(path));
    if (bytes.empty()) return std::nullopt;
    return DecodeBmp(bytes);
}

}  // namespace zelkor::assetgen::testing
