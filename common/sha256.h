#pragma once

#include <string>
#include <string_view>

namespace zelkor {

// The SHA-256 of `bytes` as 64 lower-case hexadecimal digits (OpenSSL's libcrypto
// computes it).
std::string Sha256Hex(std::string_view bytes);

}  // namespace zelkor
