// Feeds arbitrary bytes to the editor's level reader and checks what it promises: no
// crash, and a level that, once saved, loads back as the same level and saves to the
// same text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "editor/core/level_loader.h"
#include "editor/core/level_writer.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zelkor::editor;
    using zelkor::fuzzing::Require;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    constexpr EditorVersion kVersion{1, 0, 0};

    EditorReadResult first = ReadEditorLevel(bytes, EditorLevel{});
    if (first.author) first.level.fields.Author = *first.author;
    const std::string saved = LevelFileText(first.level, kVersion);

    EditorReadResult again = ReadEditorLevel(saved, EditorLevel{});
    if (again.author) again.level.fields.Author = *again.author;
    Require(again.level == first.level);
    Require(LevelFileText(again.level, kVersion) == saved);
    return 0;
}
