#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "game/present/picture_services.h"

typedef struct _TTF_Font TTF_Font;

namespace zelkor {

// System-font text through SDL2_ttf and the DejaVu faces: "Arial" and "Balloon" are
// drawn in DejaVu Sans, "Courier New" in DejaVu Sans Mono, sizes in points at
// 96 dpi. Every letter is rendered once per style and kept, so text that changes
// every frame (the score line, the frame counter) costs no allocation.
class SdlTextRenderer final : public TextRenderer {
public:
    SdlTextRenderer();
    ~SdlTextRenderer() override;
    SdlTextRenderer(const SdlTextRenderer&) = delete;
    SdlTextRenderer& operator=(const SdlTextRenderer&) = delete;

    void Draw(Surface& target, int x, int y, const TextStyle& style,
              std::string_view text) override;
    int Width(const TextStyle& style, std::string_view text) override;

private:
    struct Glyph {
        bool ready = false;
        int advance = 0;
        Surface mask;  // white letter, coverage in alpha
    };
    struct Face {
        std::string name;
        int points = 0;
        bool bold = false;
        TTF_Font* font = nullptr;
        std::array<Glyph, 256> glyphs;
    };

    Face* FaceFor(const TextStyle& style);
    const Glyph& GlyphOf(Face& face, unsigned char c);

    bool ready_ = false;
    std::vector<std::unique_ptr<Face>> faces_;
};

}  // namespace zelkor
