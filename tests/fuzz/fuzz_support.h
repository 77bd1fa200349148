#pragma once

// What the fuzz targets share: a check that ends the run, and a folder of their own.
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace zelkor::fuzzing {

inline void Require(bool condition) {
    if (!condition) std::abort();
}

// A fresh folder for the whole run, removed when the run ends normally (a time limit, a run
// count). Every write is flushed to the disk, so memory-backed storage keeps the runs fast.
inline const std::filesystem::path& RunFolder(const std::string& prefix) {
    namespace fs = std::filesystem;
    struct Folder {
        fs::path path;
        ~Folder() {
            std::error_code ec;
            fs::remove_all(path, ec);
        }
    };
    static const Folder folder{[&] {
        std::error_code ec;
        const fs::path base =
            fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / (prefix + "-XXXXXX")).string();
        Require(::mkdtemp(pattern.data()) != nullptr);
        return fs::path(pattern);
    }()};
    return folder.path;
}

}  // namespace zelkor::fuzzing
