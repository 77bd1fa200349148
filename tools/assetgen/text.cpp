#include "tools/assetgen/text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <stdexcept>

#ifndef ZELKOR_FONT_DIR
#define ZELKOR_FONT_DIR "/usr/share/fonts/truetype/dejavu"
#endif

namespace zelkor::assetgen {

struct TypeFace::Library {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~Library() {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }
};

TypeFace::TypeFace(const std::string& fileName) : library_(std::make_unique<Library>()) {
    if (FT_Init_FreeType(&library_->library) != 0) throw std::runtime_error("FreeType failed");
    const std::string path = std::string(ZELKOR_FONT_DIR) + "/" + fileName;
    if (FT_New_Face(library_->library, path.c_str(), 0, &library_->face) != 0) {
        throw std::runtime_error("cannot open font " + path + " (install fonts-dejavu-core)");
    }
}

TypeFace::~TypeFace() = default;

namespace {

void Prepare(FT_Face face, float pixelSize, float xScale) {
    FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(std::lround(pixelSize * 64)), 72, 72);
    FT_Matrix matrix{static_cast<FT_Fixed>(std::lround(xScale * 65536)), 0, 0, 0x10000};
    FT_Set_Transform(face, &matrix, nullptr);
}

}  // namespace

Mask TypeFace::Glyph(unsigned char ch, float pixelSize, float xScale, bool crisp) const {
    FT_Face face = library_->face;
    Prepare(face, pixelSize, xScale);
    const FT_Int32 flags = crisp ? FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME
                                 : FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT;
    if (FT_Load_Char(face, ch, flags) != 0) return {};
    const FT_Bitmap& bm = face->glyph->bitmap;
    Mask mask(static_cast<int>(bm.width), static_cast<int>(bm.rows));
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            const unsigned char* row = bm.buffer + y * bm.pitch;
            mask.at(x, y) = bm.pixel_mode == FT_PIXEL_MODE_MONO
                                ? ((row[x / 8] >> (7 - x % 8)) & 1 ? 1.0f : 0.0f)
                                : row[x] / 255.0f;
        }
    }
    mask.left = -face->glyph->bitmap_left;
    mask.baseline = face->glyph->bitmap_top;
    return mask;
}

Mask TypeFace::Line(std::string_view text, float pixelSize, float xScale,
                    float letterSpacing) const {
    FT_Face face = library_->face;
    Prepare(face, pixelSize, xScale);
    const int ascender = static_cast<int>(std::ceil(face->size->metrics.ascender / 64.0));
    const int descender = static_cast<int>(std::ceil(-face->size->metrics.descender / 64.0));
    float width = 0;
    for (unsigned char ch : text) {
        if (FT_Load_Char(face, ch, FT_LOAD_DEFAULT | FT_LOAD_TARGET_LIGHT) == 0) {
            width += face->glyph->advance.x / 64.0f + letterSpacing;
        }
    }
    Mask line(static_cast<int>(std::ceil(width)) + 4, ascender + descender + 2);
    line.baseline = ascender + 1;
    line.left = 2;
    float pen = 2;
    for (unsigned char ch : text) {
        if (FT_Load_Char(face, ch, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0) continue;
        const FT_GlyphSlot g = face->glyph;
        const int ox = static_cast<int>(std::lround(pen)) + g->bitmap_left;
        const int oy = line.baseline - g->bitmap_top;
        for (unsigned y = 0; y < g->bitmap.rows; ++y) {
            for (unsigned x = 0; x < g->bitmap.width; ++x) {
                const int tx = ox + static_cast<int>(x), ty = oy + static_cast<int>(y);
                if (tx < 0 || ty < 0 || tx >= line.width || ty >= line.height) continue;
                float& v = line.at(tx, ty);
                v = std::min(1.0f, v + g->bitmap.buffer[y * g->bitmap.pitch + x] / 255.0f);
            }
        }
        pen += g->advance.x / 64.0f + letterSpacing;
    }
    return line;
}

InkBox FindInk(const Mask& mask, float threshold) {
    InkBox box{mask.width, mask.height, 0, 0};
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            if (mask.get(x, y) > threshold) {
                box.x0 = std::min(box.x0, x);
                box.y0 = std::min(box.y0, y);
                box.x1 = std::max(box.x1, x + 1);
                box.y1 = std::max(box.y1, y + 1);
            }
        }
    }
    if (box.x1 <= box.x0) return {};
    return box;
}

Mask Dilate(const Mask& mask, int radius) {
    Mask out = mask;
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            float best = 0;
            for (int dy = -radius; dy <= radius; ++dy) {
                for (int dx = -radius; dx <= radius; ++dx) {
                    if (dx * dx + dy * dy > radius * radius + radius) continue;
                    best = std::max(best, mask.get(x + dx, y + dy));
                }
            }
            out.at(x, y) = best;
        }
    }
    return out;
}

Mask Blur(const Mask& mask, int radius, int passes) {
    Mask a = mask;
    Mask b = mask;
    const float norm = 1.0f / (2 * radius + 1);
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < a.height; ++y) {
            for (int x = 0; x < a.width; ++x) {
                float s = 0;
                for (int d = -radius; d <= radius; ++d)
                    s += a.get(x + d, y);
                b.at(x, y) = s * norm;
            }
        }
        for (int y = 0; y < a.height; ++y) {
            for (int x = 0; x < a.width; ++x) {
                float s = 0;
                for (int d = -radius; d <= radius; ++d)
                    s += b.get(x, y + d);
                a.at(x, y) = s * norm;
            }
        }
    }
    return a;
}

}  // namespace zelkor::assetgen
