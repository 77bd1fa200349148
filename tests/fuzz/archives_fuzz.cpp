// Feeds arbitrary bytes as an archive to ZkUnextractFile and checks what it
// promises: no crash, and nothing written outside the destination folder except the
// clean-up list beside the archive.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "game/control/archives/unextract.h"
#include "game/platform/archive_readers.h"
#include "tests/fuzz/fuzz_support.h"

namespace {
namespace fs = std::filesystem;

using zelkor::fuzzing::Require;

// root/game holds the archive, its list and gfx/, the destination; root holds
// nothing else.
const fs::path& Root() {
    return zelkor::fuzzing::RunFolder();
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

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path game = Root() / "game";
    const fs::path archive = game / "fuzz.zkr";
    fs::create_directories(game / "gfx");
    zelkor::WriteBytes(archive, {reinterpret_cast<const char*>(data), size});
    zelkor::LibraryArchiveReaders readers;
    zelkor::ProgressCounters progress;
    progress.total = 10;
    const zelkor::UnextractHooks hooks;
    const zelkor::UnextractContext context{readers, game, true, true, progress, hooks};
    zelkor::ZkUnextractFile(context, archive, game / "gfx", zelkor::kArchivePassword);

    Require(OnlyExpectedFilesOutsideTheDestination());
    fs::remove_all(game / "gfx");
    fs::remove(game / "cleanup-fuzz.zkr.zkc");
    return 0;
}
