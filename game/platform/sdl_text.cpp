#include "game/platform/sdl_text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <filesystem>

#include "common/paths.h"
#include "common/text_encoding.h"

namespace zelkor {
namespace {

// Where the DejaVu faces live on the systems the game runs on.
constexpr std::array<const char*, 4> kFontFolders{"/usr/share/fonts/truetype/dejavu",
                                                  "/usr/share/fonts/dejavu", "/usr/share/fonts/TTF",
                                                  "/usr/local/share/fonts/dejavu"};

std::string FontFile(std::string_view face, bool bold) {
    const bool mono = SameIgnoringCase(face, "Courier New") || SameIgnoringCase(face, "Courier");
    std::string file = mono ? "DejaVuSansMono" : "DejaVuSans";
    file += bold ? "-Bold.ttf" : ".ttf";
    for (const char* folder : kFontFolders) {
        const std::filesystem::path path = std::filesystem::path(folder) / file;
        std::error_code error;
        if (std::filesystem::exists(path, error)) return path.string();
    }
    return {};
}

// The colour `c` laid over `under` with coverage `a`.
std::uint32_t Blend(std::uint32_t under, std::uint32_t c, std::uint32_t a) {
    const std::uint32_t na = 255 - a;
    const auto mix = [&](std::uint32_t o, std::uint32_t u) { return (o * a + u * na + 127) / 255; };
    return 0xFF000000u | (mix(RedOf(c), RedOf(under)) << 16) |
           (mix(GreenOf(c), GreenOf(under)) << 8) | mix(BlueOf(c), BlueOf(under));
}

}  // namespace

SdlTextRenderer::SdlTextRenderer() : ready_(TTF_Init() == 0) {}

SdlTextRenderer::~SdlTextRenderer() {
    for (auto& face : faces_)
        if (face->font != nullptr) TTF_CloseFont(face->font);
    if (ready_) TTF_Quit();
}

SdlTextRenderer::Face* SdlTextRenderer::FaceFor(const TextStyle& style) {
    for (auto& face : faces_)
        if (face->points == style.points && face->bold == style.bold && face->name == style.face)
            return face.get();
    if (!ready_) return nullptr;
    auto face = std::make_unique<Face>();
    face->name = std::string(style.face);
    face->points = style.points;
    face->bold = style.bold;
    const std::string file = FontFile(style.face, style.bold);
    if (!file.empty() && style.points > 0)
        face->font = TTF_OpenFontDPI(file.c_str(), style.points, 96, 96);
    faces_.push_back(std::move(face));
    return faces_.back().get();
}

const SdlTextRenderer::Glyph& SdlTextRenderer::GlyphOf(Face& face, unsigned char c) {
    Glyph& g = face.glyphs[c];
    if (g.ready || face.font == nullptr) return g;
    g.ready = true;
    const std::string utf8 = Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(&c), 1));
    int w = 0;
    int h = 0;
    if (TTF_SizeUTF8(face.font, utf8.c_str(), &w, &h) == 0) g.advance = w;
    SDL_Surface* rendered =
        c < 32 ? nullptr
               : TTF_RenderUTF8_Blended(face.font, utf8.c_str(), SDL_Color{255, 255, 255, 255});
    if (rendered == nullptr) return g;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (argb == nullptr) return g;
    g.mask = Surface(argb->w, argb->h, 0);
    SDL_LockSurface(argb);
    for (int y = 0; y < argb->h; ++y) {
        const auto* row =
            reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(argb->pixels) +
                                                   static_cast<std::ptrdiff_t>(y) * argb->pitch);
        std::copy(row, row + argb->w, g.mask.Row(y));
    }
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    return g;
}

int SdlTextRenderer::Width(const TextStyle& style, std::string_view text) {
    Face* face = FaceFor(style);
    if (face == nullptr) return 0;
    int width = 0;
    for (const char c : text)
        width += GlyphOf(*face, static_cast<unsigned char>(c)).advance;
    return width;
}

void SdlTextRenderer::Draw(Surface& target, int x, int y, const TextStyle& style,
                           std::string_view text) {
    Face* face = FaceFor(style);
    if (face == nullptr) return;
    int pen = x;
    for (const char c : text) {
        const Glyph& g = GlyphOf(*face, static_cast<unsigned char>(c));
        const Rect placed =
            Intersect({pen, y, pen + g.mask.width(), y + g.mask.height()}, target.bounds());
        for (int ty = placed.top; ty < placed.bottom; ++ty) {
            const std::uint32_t* in = g.mask.Row(ty - y);
            std::uint32_t* out = target.Row(ty);
            for (int tx = placed.left; tx < placed.right; ++tx) {
                const std::uint32_t a = AlphaOf(in[tx - pen]);
                if (a != 0) out[tx] = Blend(out[tx], style.colour, a);
            }
        }
        pen += g.advance;
    }
}

}  // namespace zelkor
