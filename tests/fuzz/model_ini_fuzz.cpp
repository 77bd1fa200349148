// Feeds arbitrary bytes to the "model.ini" reader and checks what it promises: no
// crash, names and authors of at most 40 characters, and a second reading of the
// same bytes that changes nothing.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "game/present/model_packs.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zelkor;
    using fuzzing::Require;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    ModelPack fresh;
    ReadModelIni(bytes, fresh);
    Require(fresh.name.size() <= 40);
    Require(fresh.author.size() <= 40);

    ModelPack again = fresh;
    ReadModelIni(bytes, again);
    Require(again.name == fresh.name);
    Require(again.author == fresh.author);
    Require(again.edges == fresh.edges);
    Require(again.edgesInvers == fresh.edgesInvers);
    Require(again.tailEdges == fresh.tailEdges);
    return 0;
}
