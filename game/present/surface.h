#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace zelkor {

// A rectangle of pixels, left and top inside, right and bottom just outside.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Packs a colour as the surfaces hold it: ARGB8888, alpha in the top byte.
constexpr std::uint32_t Argb(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a = 255) {
    return (std::uint32_t{a} << 24) | (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b;
}
constexpr std::uint8_t AlphaOf(std::uint32_t argb) {
    return static_cast<std::uint8_t>(argb >> 24);
}
constexpr std::uint8_t RedOf(std::uint32_t argb) {
    return static_cast<std::uint8_t>(argb >> 16);
}
constexpr std::uint8_t GreenOf(std::uint32_t argb) {
    return static_cast<std::uint8_t>(argb >> 8);
}
constexpr std::uint8_t BlueOf(std::uint32_t argb) {
    return static_cast<std::uint8_t>(argb);
}

inline constexpr std::uint32_t kOpaqueBlack = Argb(0, 0, 0);

// A picture in memory: width x height ARGB8888 pixels, row after row. A pixel
// with alpha 0 belongs to the picture's transparent colour (its colour is kept);
// system-font text carries partial alpha at the edges of its letters.
//
// For keyed copies the surface keeps, once worked out, each row's runs of pixels to
// copy and to blend. Every way of reaching the pixels for writing forgets them, so a
// pointer from `Row` or `pixels` is for writing before the surface is next copied
// from, not after.
class Surface {
public:
    // A run of a row's pixels [begin, end) that a keyed copy moves: all opaque, or
    // all partly transparent. The transparent pixels between runs are skipped.
    struct Run {
        std::int32_t begin = 0;
        std::int32_t end = 0;
        bool opaque = false;
    };

    Surface() = default;
    Surface(int width, int height, std::uint32_t fill = kOpaqueBlack);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }
    Rect bounds() const { return {0, 0, width_, height_}; }

    std::uint32_t Pixel(int x, int y) const {
        return pixels_[static_cast<std::size_t>(y * width_ + x)];
    }
    void SetPixel(int x, int y, std::uint32_t argb) {
        Changed();
        pixels_[static_cast<std::size_t>(y * width_ + x)] = argb;
    }
    std::uint32_t* Row(int y) {
        Changed();
        return pixels_.data() + static_cast<std::ptrdiff_t>(y) * width_;
    }
    const std::uint32_t* Row(int y) const {
        return pixels_.data() + static_cast<std::ptrdiff_t>(y) * width_;
    }
    std::span<std::uint32_t> pixels() {
        Changed();
        return pixels_;
    }
    std::span<const std::uint32_t> pixels() const { return pixels_; }

    // Fills the whole surface, or the part of `area` inside it.
    void Fill(std::uint32_t argb);
    void Fill(Rect area, std::uint32_t argb);

    // Frees the pixels; the surface is empty afterwards.
    void Release();

    // Whether a keyed copy of `area` (inside the surface) covers every pixel under it:
    // no transparent or partly transparent pixel.
    bool OpaqueOver(Rect area) const;

    // Row y's runs, left to right; worked out on the first call after a change.
    std::span<const Run> Runs(int y) const {
        if (!runsKnown_) FindRuns();
        const auto row = static_cast<std::size_t>(y);
        return {runs_.data() + firstRun_[row], runs_.data() + firstRun_[row + 1]};
    }

private:
    void Changed() { runsKnown_ = false; }
    void FindRuns() const;

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
    // Row y's runs are runs_[firstRun_[y]] up to runs_[firstRun_[y + 1]].
    mutable std::vector<Run> runs_;
    mutable std::vector<std::uint32_t> firstRun_;
    mutable bool runsKnown_ = false;
};

// The part of `wanted` that lies inside `limit`.
Rect Intersect(Rect wanted, Rect limit);

// Copies the rectangle `from` of `source` to `target` with its top-left corner at
// (x, y). Whatever falls outside either surface is cut off, so a copy never reads
// or writes outside them. With `keyed` the copy skips the source's transparent
// pixels and blends partly transparent ones; without it every pixel is copied as
// it is.
void Blit(Surface& target, int x, int y, const Surface& source, Rect from, bool keyed);

}  // namespace zelkor
