// Feeds arbitrary bytes to the replay reader, as they are and sealed with their own
// SHA-256 (so the records behind the seal are reached too), and checks what it promises:
// no crash, a clear refusal, and a replay read only from the very bytes the writer makes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/sha256.h"
#include "game/control/replay/replay_format.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

using zelkor::fuzzing::Require;

void Check(std::string_view bytes) {
    const zelkor::ReplayRead read = zelkor::DecodeReplay(bytes);
    if (read.replay)
        Require(zelkor::EncodeReplay(*read.replay) == bytes);
    else
        Require(!read.refusal.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Check(bytes);
    // A seed of a whole file seals its body again: without the last 64 bytes when they are
    // its seal, whole otherwise.
    const std::string_view body =
        size > 64 && zelkor::Sha256Hex(bytes.substr(0, size - 64)) == bytes.substr(size - 64)
            ? bytes.substr(0, size - 64)
            : bytes;
    Check(std::string(body) + zelkor::Sha256Hex(body));
    return 0;
}
