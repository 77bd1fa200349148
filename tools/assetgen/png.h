#pragma once

#include <vector>

#include "tools/assetgen/canvas.h"

namespace zelkor::assetgen {

// An 8-bit RGB PNG (used for the contact sheet and the game icon).
std::vector<unsigned char> EncodePng(const Image& image);

}  // namespace zelkor::assetgen
