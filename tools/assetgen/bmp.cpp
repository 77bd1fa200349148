#include "tools/assetgen/bmp.h"

#include <cstdint>
#include <cstdlib>

namespace zelkor::assetgen {
namespace {

void Put16(std::vector<unsigned char>& out, unsigned v) {
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

void Put32(std::vector<unsigned char>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::uint32_t Get32(const std::vector<unsigned char>& in, std::size_t at) {
    return in[at] | (in[at + 1] << 8) | (in[at + 2] << 16) | (std::uint32_t{in[at + 3]} << 24);
}

unsigned Get16(const std::vector<unsigned char>& in, std::size_t at) {
    return in[at] | (in[at + 1] << 8);
}

std::size_t RowBytes(int width) {
    return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
}

}  // namespace

std::vector<unsigned char> EncodeBmp(const Image& image) {
    const std::size_t row = RowBytes(image.width);
    const std::size_t dataSize = row * image.height;
    std::vector<unsigned char> out;
    out.reserve(54 + dataSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<std::uint32_t>(54 + dataSize));
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(image.width));
    Put32(out, static_cast<std::uint32_t>(image.height));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);  // no compression
    Put32(out, static_cast<std::uint32_t>(dataSize));
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Pixel p = image.at(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
        for (std::size_t pad = static_cast<std::size_t>(image.width) * 3; pad < row; ++pad) {
            out.push_back(0);
        }
    }
    return out;
}

std::optional<Image> DecodeBmp(const std::vector<unsigned char>& bytes, std::string* error) {
    auto fail = [error](const char* why) -> std::optional<Image> {
        if (error) *error = why;
        return std::nullopt;
    };
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return fail("not a bitmap");
    const std::uint32_t offset = Get32(bytes, 10);
    const auto width = static_cast<std::int32_t>(Get32(bytes, 18));
    const auto rawHeight = static_cast<std::int32_t>(Get32(bytes, 22));
    if (Get16(bytes, 28) != 24) return fail("not 24 bits per pixel");
    if (Get32(bytes, 30) != 0) return fail("compressed");
    if (width <= 0 || rawHeight == 0 || width > 16384 || std::abs(rawHeight) > 16384) {
        return fail("bad size");
    }
    const int height = std::abs(rawHeight);
    const std::size_t row = RowBytes(width);
    if (offset > bytes.size() || bytes.size() - offset < row * height) return fail("truncated");
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        const int fileRow = rawHeight > 0 ? height - 1 - y : y;
        const std::size_t at = offset + row * fileRow;
        for (int x = 0; x < width; ++x) {
            const std::size_t p = at + static_cast<std::size_t>(x) * 3;
            image.at(x, y) = {bytes[p + 2], bytes[p + 1], bytes[p]};
        }
    }
    return image;
}

}  // namespace zelkor::assetgen
