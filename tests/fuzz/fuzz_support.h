#pragma once

// What the fuzz targets share: a check that ends the run, and a folder of their own.
#include <cstdlib>
#include <filesystem>

#include "tests/common/temp_folder.h"

namespace zelkor::fuzzing {

inline void Require(bool condition) {
    if (!condition) std::abort();
}

// A fresh folder for the whole run, removed when the run ends normally (a time limit, a run
// count). Every write is flushed to the disk, so memory-backed storage keeps the runs fast.
inline const std::filesystem::path& RunFolder() {
    static const TempFolder folder(std::filesystem::is_directory("/dev/shm")
                                       ? "/dev/shm"
                                       : std::filesystem::temp_directory_path());
    return folder.path();
}

}  // namespace zelkor::fuzzing
