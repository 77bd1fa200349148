#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/assetgen/canvas.h"

namespace zelkor::assetgen {

// 24-bit uncompressed Windows bitmap, bottom-up rows padded to four bytes.
std::vector<unsigned char> EncodeBmp(const Image& image);

// Reads back what EncodeBmp writes (24-bit, uncompressed, either row order).
// Gives nothing for anything else, with the reason in *error when given.
std::optional<Image> DecodeBmp(const std::vector<unsigned char>& bytes,
                               std::string* error = nullptr);

}  // namespace zelkor::assetgen
