#include "tools/assetgen/png.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace zelkor::assetgen {
namespace {

void Put32(std::vector<unsigned char>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<unsigned char>((v >> shift) & 0xFF));
    }
}

void Chunk(std::vector<unsigned char>& out, std::string_view type,
           const std::vector<unsigned char>& data) {
    Put32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0L, out.data() + start, static_cast<uInt>(out.size() - start));
    Put32(out, static_cast<std::uint32_t>(crc));
}

// The file around rows of pixels that each start with their filter byte.
std::vector<unsigned char> Encode(int width, int height, unsigned char colourType,
                                  const std::vector<unsigned char>& raw) {
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<unsigned char> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 6) !=
        Z_OK) {
        throw std::runtime_error("PNG compression failed");
    }
    packed.resize(packedSize);

    std::vector<unsigned char> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    Put32(header, static_cast<std::uint32_t>(width));
    Put32(header, static_cast<std::uint32_t>(height));
    // 8 bits per channel, the colour type, deflate, no filter, no interlace
    header.insert(header.end(), {8, colourType, 0, 0, 0});
    Chunk(out, "IHDR", header);
    Chunk(out, "IDAT", packed);
    Chunk(out, "IEND", {});
    return out;
}

}  // namespace

std::vector<unsigned char> EncodePng(const Image& image) {
    std::vector<unsigned char> raw;
    raw.reserve((static_cast<std::size_t>(image.width) * 3 + 1) * image.height);
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0);  // no filter
        for (int x = 0; x < image.width; ++x) {
            const Pixel p = image.at(x, y);
            raw.push_back(p.r);
            raw.push_back(p.g);
            raw.push_back(p.b);
        }
    }
    return Encode(image.width, image.height, 2, raw);
}

std::vector<unsigned char> EncodePngWithAlpha(const Canvas& canvas) {
    std::vector<unsigned char> raw;
    raw.reserve((static_cast<std::size_t>(canvas.width) * 4 + 1) * canvas.height);
    for (int y = 0; y < canvas.height; ++y) {
        raw.push_back(0);  // no filter
        for (int x = 0; x < canvas.width; ++x) {
            const std::size_t i = canvas.index(x, y);
            const Pixel p = ToPixel(canvas.color[i]);
            raw.insert(raw.end(), {p.r, p.g, p.b});
            raw.push_back(static_cast<unsigned char>(
                std::clamp(std::lround(canvas.alpha[i] * 255.0f), 0L, 255L)));
        }
    }
    return Encode(canvas.width, canvas.height, 6, raw);
}

}  // namespace zelkor::assetgen
