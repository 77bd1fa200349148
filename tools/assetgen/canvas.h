#pragma once

#include <cstdint>
#include <vector>

namespace zelkor::assetgen {

// A linear-ish working colour; channels are 0..1 but may overshoot while shading.
struct Color {
    float r = 0, g = 0, b = 0;

    friend Color operator+(Color a, Color b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
    friend Color operator-(Color a, Color b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
    friend Color operator*(Color a, float k) { return {a.r * k, a.g * k, a.b * k}; }
    friend Color operator*(float k, Color a) { return a * k; }
    friend Color operator*(Color a, Color b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
    Color& operator+=(Color o) { return *this = *this + o; }
};

// 0..255 values as the palette writes them.
constexpr Color Rgb255(int r, int g, int b) {
    return {r / 255.0f, g / 255.0f, b / 255.0f};
}
Color Mix(Color a, Color b, float t);
float Luma(Color c);

struct Pixel {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Pixel, Pixel) = default;
};

// A finished 24-bit picture.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;  // row-major, top row first

    Image() = default;
    Image(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h) {}
    Pixel& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Pixel& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    friend bool operator==(const Image&, const Image&) = default;
};

// A picture being drawn: colour plus coverage (0 = nothing drawn there).
struct Canvas {
    int width = 0;
    int height = 0;
    std::vector<Color> color;
    std::vector<float> alpha;

    Canvas() = default;
    Canvas(int w, int h)
        : width(w),
          height(h),
          color(static_cast<std::size_t>(w) * h),
          alpha(static_cast<std::size_t>(w) * h, 0.0f) {}
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width + x; }
    Color& at(int x, int y) { return color[index(x, y)]; }
    float& coverage(int x, int y) { return alpha[index(x, y)]; }

    void Fill(Color c);
    // Paints c over the pixel with opacity a (0..1).
    void Blend(int x, int y, Color c, float a);
    // Paints another canvas over this one at (x, y).
    void Draw(const Canvas& src, int x, int y);
};

// How the game makes a picture transparent when it loads it.
enum class KeyMode : int { NearBlack = 0, Grey131 = 1, Grey128 = 2, NearBlack3 = 3 };

inline constexpr Pixel kKey131{131, 131, 131};
inline constexpr Pixel kKey128{128, 128, 128};
// Visible pixels of near-black-keyed pictures keep at least one channel at this value,
// well clear of the transparent range 0..10.
inline constexpr int kDarkestVisible = 24;

Pixel ToPixel(Color c);

// Turns a canvas into a keyed picture: pixels with coverage below one half become
// exactly the key colour, all others keep their own colour and are nudged off the key.
Image Finish(const Canvas& canvas, KeyMode mode);

// The key test the game applies when it draws with the colour key.
bool IsKeyPixel(Pixel p, KeyMode mode);

}  // namespace zelkor::assetgen
