#pragma once

#include <vector>

#include "tools/assetgen/canvas.h"

namespace zelkor::assetgen {

// An 8-bit RGB PNG (used for the contact sheet and the game icon).
std::vector<unsigned char> EncodePng(const Image& image);

// An 8-bit RGBA PNG of a canvas, its coverage as the alpha channel (desktop icons).
std::vector<unsigned char> EncodePngWithAlpha(const Canvas& canvas);

}  // namespace zelkor::assetgen
