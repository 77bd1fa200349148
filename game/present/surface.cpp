#include "game/present/surface.h"

#include <algorithm>

namespace zelkor {

Surface::Surface(int width, int height, std::uint32_t fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

void Surface::Fill(std::uint32_t argb) {
    std::fill(pixels_.begin(), pixels_.end(), argb);
}

void Surface::Fill(Rect area, std::uint32_t argb) {
    const Rect r = Intersect(area, bounds());
    if (r.empty()) return;
    for (int y = r.top; y < r.bottom; ++y)
        std::fill(Row(y) + r.left, Row(y) + r.right, argb);
}

void Surface::Release() {
    width_ = height_ = 0;
    std::vector<std::uint32_t>().swap(pixels_);
}

Rect Intersect(Rect wanted, Rect limit) {
    Rect r{std::max(wanted.left, limit.left), std::max(wanted.top, limit.top),
           std::min(wanted.right, limit.right), std::min(wanted.bottom, limit.bottom)};
    if (r.empty()) return {};
    return r;
}

namespace {

// `over` laid on `under` by its alpha; the result is opaque.
std::uint32_t BlendOver(std::uint32_t under, std::uint32_t over) {
    const std::uint32_t a = AlphaOf(over);
    const std::uint32_t na = 255 - a;
    const auto mix = [&](std::uint32_t o, std::uint32_t u) { return (o * a + u * na + 127) / 255; };
    const std::uint32_t r = mix(RedOf(over), RedOf(under));
    const std::uint32_t g = mix(GreenOf(over), GreenOf(under));
    const std::uint32_t b = mix(BlueOf(over), BlueOf(under));
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

}  // namespace

void Blit(Surface& target, int x, int y, const Surface& source, Rect from, bool keyed) {
    // Cut the source rectangle to the source, then the placed copy to the target.
    Rect src = Intersect(from, source.bounds());
    if (src.empty()) return;
    x += src.left - from.left;
    y += src.top - from.top;
    const Rect placed{x, y, x + src.width(), y + src.height()};
    const Rect dst = Intersect(placed, target.bounds());
    if (dst.empty()) return;
    src.left += dst.left - placed.left;
    src.top += dst.top - placed.top;
    const int w = dst.width();

    for (int row = 0; row < dst.height(); ++row) {
        const std::uint32_t* in = source.Row(src.top + row) + src.left;
        std::uint32_t* out = target.Row(dst.top + row) + dst.left;
        if (!keyed) {
            std::copy(in, in + w, out);
            continue;
        }
        for (int i = 0; i < w; ++i) {
            const std::uint32_t p = in[i];
            const std::uint32_t a = AlphaOf(p);
            if (a == 255) {
                out[i] = p;
            } else if (a != 0) {
                out[i] = BlendOver(out[i], p);
            }
        }
    }
}

}  // namespace zelkor
