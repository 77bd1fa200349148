// Feeds arbitrary bytes to the settings store as its file and checks what it
// promises: no crash, a write keeps every value that could be read and reads back
// what it wrote, a damaged file is kept byte for byte, and text survives the trip
// through both encodings.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/ini_text.h"
#include "common/settings_store.h"
#include "common/text_encoding.h"
#include "tests/fuzz/fuzz_support.h"

namespace {
namespace fs = std::filesystem;

using zelkor::fuzzing::Require;

const fs::path& Folder() {
    return zelkor::fuzzing::RunFolder();
}

constexpr std::string_view kProbes[][2] = {
    {"Options", "Player Name"}, {"HiScore", "Name 1"}, {"lvlEdit", "Author"}, {"", "gSpeed"}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zelkor;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::string cp1252 = Utf8ToCp1252(bytes);
    Require(Utf8ToCp1252(Cp1252ToUtf8(cp1252)) == cp1252);
    Require(IsValidUtf8(Cp1252ToUtf8(bytes)));

    const fs::path file = Folder() / "settings.ini";
    const fs::path damagedCopy = Folder() / "settings.ini.damaged";
    fs::remove(damagedCopy);
    WriteBytes(file, bytes);

    IniSettingsStore store(file);
    std::optional<std::string> before[std::size(kProbes)];
    for (std::size_t i = 0; i < std::size(kProbes); ++i)
        before[i] = store.Read(kProbes[i][0], kProbes[i][1]);
    const bool damaged = store.Damaged();

    // A value the file can hold is written and comes back exactly; any other is refused.
    const std::string value(bytes.substr(0, 40));
    const bool storable = IniCanStore("Tweak", "Fuzz", value);
    const std::optional<std::string> old = store.Read("Tweak", "Fuzz");
    Require(store.Write("Tweak", "Fuzz", value) == storable);
    Require(!damaged || ReadBytes(damagedCopy) == bytes);

    IniSettingsStore again(file);
    Require(!again.Damaged());
    for (std::size_t i = 0; i < std::size(kProbes); ++i)
        Require(again.Read(kProbes[i][0], kProbes[i][1]) == before[i]);
    Require(again.Read("Tweak", "Fuzz") == (storable ? value : old));
    return 0;
}
