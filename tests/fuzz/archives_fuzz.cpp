// Feeds arbitrary bytes as an archive to ZkUnextractFile and checks what it
// promises: no crash, and nothing written outside the destination folder except the
// clean-up list beside the archive.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "game/control/unextract.h"
#include "game/platform/archive_readers.h"

namespace {
namespace fs = std::filesystem;

void Require(bool condition) {
    if (!condition) std::abort();
}

// root/game holds the archive, its list and gfx/, the destination; root holds
// nothing else.
const fs::path& Root() {
    static const fs::path root = [] {
        std::string pattern = (fs::temp_directory_path() / "zelkor-archives-fuzz-XXXXXX").string();
        Require(mkdtemp(pattern.data()) != nullptr);
        fs::create_directories(fs::path(pattern) / "game" / "gfx");
        return fs::path(pattern);
    }();
    return root;
}

bool OnlyExpectedFilesOutsideTheDestination() {
    for (const auto& entry : fs::directory_iterator(Root()))
        if (entry.path().filename() != "game") return false;
    for (const auto& entry : fs::directory_iterator(Root() / "game")) {
        const std::string name = entry.path().filename().string();
        if (name != "gfx" && name != "fuzz.zkr" && name != "cleanup-fuzz.zkr.zkc") return false;
    }
    return true;
}

}  // namespace

// The folder goes when the run ends normally (a time limit, a run count). Made
// here, after the folder's name exists, so the name outlives the clean-up.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Root();
    std::atexit([] {
        std::error_code ec;
        fs::remove_all(Root(), ec);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path game = Root() / "game";
    const fs::path archive = game / "fuzz.zkr";
    {
        std::ofstream out(archive, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    zelkor::LibraryArchiveReaders readers;
    zelkor::ProgressCounters progress;
    progress.total = 10;
    const zelkor::UnextractHooks hooks;
    const zelkor::UnextractContext context{readers, game, true, true, progress, hooks};
    zelkor::ZkUnextractFile(context, archive, game / "gfx", "kt90472");

    Require(OnlyExpectedFilesOutsideTheDestination());
    fs::remove_all(game / "gfx");
    fs::remove(game / "cleanup-fuzz.zkr.zkc");
    fs::create_directories(game / "gfx");
    return 0;
}
