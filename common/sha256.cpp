#include "common/sha256.h"

#include <openssl/evp.h>

#include <array>
#include <cstdlib>

namespace zelkor {

std::string Sha256Hex(std::string_view bytes) {
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int length = 0;
    // Hashing bytes in memory with a built-in digest has no way to fail short of a
    // broken library; a record keyed by a wrong digest would be worse than stopping.
    if (EVP_Digest(bytes.data(), bytes.size(), digest.data(), &length, EVP_sha256(), nullptr) != 1)
        std::abort();
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(2 * length);
    for (unsigned int i = 0; i < length; ++i) {
        hex += kHex[digest[i] >> 4];
        hex += kHex[digest[i] & 0x0f];
    }
    return hex;
}

}  // namespace zelkor
