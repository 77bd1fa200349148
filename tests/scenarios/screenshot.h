#pragma once

// Screenshots of headless runs read back for their pixels.
#include <SDL_image.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

namespace zelkor::scenario {

struct Colour {
    int r = 0;
    int g = 0;
    int b = 0;
    int Brightest() const { return std::max({r, g, b}); }
    friend bool operator==(const Colour&, const Colour&) = default;
};

// An area of the screen, right and bottom just outside.
struct Area {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class Screenshot {
public:
    explicit Screenshot(const std::filesystem::path& file) {
        SDL_Surface* loaded = IMG_Load(file.string().c_str());
        if (loaded == nullptr) return;
        SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(loaded);
        if (rgb == nullptr) return;
        width_ = rgb->w;
        height_ = rgb->h;
        pixels_.resize(static_cast<std::size_t>(width_ * height_));
        SDL_LockSurface(rgb);
        for (int y = 0; y < height_; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(
                static_cast<const std::uint8_t*>(rgb->pixels) +
                static_cast<std::ptrdiff_t>(y) * rgb->pitch);
            std::copy(row, row + width_, pixels_.begin() + static_cast<std::ptrdiff_t>(y * width_));
        }
        SDL_UnlockSurface(rgb);
        SDL_FreeSurface(rgb);
    }

    int width() const { return width_; }
    int height() const { return height_; }

    int Alpha(int x, int y) const {
        return static_cast<int>(pixels_[static_cast<std::size_t>(y * width_ + x)] >> 24);
    }
    Colour At(int x, int y) const {
        const std::uint32_t p = pixels_[static_cast<std::size_t>(y * width_ + x)];
        return {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                static_cast<int>(p & 0xFF)};
    }

    // How many pixels of the area match.
    int Count(Area a, const std::function<bool(Colour)>& match) const {
        int n = 0;
        for (int y = a.top; y < a.bottom; ++y)
            for (int x = a.left; x < a.right; ++x)
                if (match(At(x, y))) ++n;
        return n;
    }
    // The brightest channel value in the area.
    int Brightest(Area a) const {
        int most = 0;
        for (int y = a.top; y < a.bottom; ++y)
            for (int x = a.left; x < a.right; ++x)
                most = std::max(most, At(x, y).Brightest());
        return most;
    }
    // The average colour of the area.
    Colour Average(Area a) const {
        long r = 0, g = 0, b = 0, n = 0;
        for (int y = a.top; y < a.bottom; ++y) {
            for (int x = a.left; x < a.right; ++x) {
                const Colour c = At(x, y);
                r += c.r;
                g += c.g;
                b += c.b;
                ++n;
            }
        }
        if (n == 0) return {};
        return {static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n)};
    }
    // The pixels of the area, row after row, for comparing two screenshots.
    std::vector<std::uint32_t> Pixels(Area a) const {
        std::vector<std::uint32_t> out;
        for (int y = a.top; y < a.bottom; ++y)
            for (int x = a.left; x < a.right; ++x)
                out.push_back(pixels_[static_cast<std::size_t>(y * width_ + x)] & 0xFFFFFF);
        return out;
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace zelkor::scenario
