#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zelkor::assetgen {

// Coverage of rendered text, 0..1 per pixel.
struct Mask {
    int width = 0;
    int height = 0;
    std::vector<float> value;
    int baseline = 0;  // row of the baseline
    int left = 0;      // column of the pen's start

    Mask() = default;
    Mask(int w, int h) : width(w), height(h), value(static_cast<std::size_t>(w) * h, 0.0f) {}
    // Coverage with nothing outside the mask.
    float get(int x, int y) const {
        return x < 0 || y < 0 || x >= width || y >= height
                   ? 0.0f
                   : value[static_cast<std::size_t>(y) * width + x];
    }
    float& at(int x, int y) { return value[static_cast<std::size_t>(y) * width + x]; }
};

// One DejaVu face from the system's font folder, through FreeType.
class TypeFace {
public:
    explicit TypeFace(const std::string& fileName);  // e.g. "DejaVuSans-Bold.ttf"
    ~TypeFace();
    TypeFace(const TypeFace&) = delete;
    TypeFace& operator=(const TypeFace&) = delete;

    // One glyph at the given pixel height, squeezed horizontally by xScale. The mask
    // is cut to the ink; baseline and left say where the pen origin lies in it.
    // With `crisp` the glyph is hinted to whole pixels and has no grey edge pixels.
    Mask Glyph(unsigned char ch, float pixelSize, float xScale = 1.0f, bool crisp = false) const;
    // A line of text; the mask spans ascender to descender and the advance widths.
    Mask Line(std::string_view text, float pixelSize, float xScale = 1.0f,
              float letterSpacing = 0.0f) const;

private:
    struct Library;
    std::unique_ptr<Library> library_;
};

// Smallest box holding all non-zero coverage: x0, y0, x1, y1 (exclusive); empty mask gives 0s.
struct InkBox {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool empty() const { return x1 <= x0 || y1 <= y0; }
};
InkBox FindInk(const Mask& mask, float threshold = 0.0f);

// Grows coverage by `radius` pixels (for outlines).
Mask Dilate(const Mask& mask, int radius);
// Softens coverage with a box blur of the given radius, run `passes` times.
Mask Blur(const Mask& mask, int radius, int passes);

}  // namespace zelkor::assetgen
