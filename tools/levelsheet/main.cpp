// levelsheet OUT.png [--columns N] PICTURE CAPTION [PICTURE CAPTION ...]
//
// Lays the pictures out at half size in rows of N (default 3), each with its caption
// underneath, on one dark sheet: the overview of the levels for a designer's review.
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

struct SurfaceFree {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceFree>;

struct FontClose {
    void operator()(TTF_Font* f) const { TTF_CloseFont(f); }
};
using Font = std::unique_ptr<TTF_Font, FontClose>;

constexpr int kCellW = 320;
constexpr int kCellH = 240;
constexpr int kCaptionH = 22;
constexpr int kGap = 8;

// TTF_Init for the program's run; declared before any font, so it outlives them.
struct TextSession {
    bool ok = TTF_Init() == 0;
    ~TextSession() {
        if (ok) TTF_Quit();
    }
};

struct Shot {
    std::string picture;
    std::string caption;
};

Font OpenCaptionFont() {
    for (const char* file : {"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                             "/usr/share/fonts/dejavu/DejaVuSans-Bold.ttf",
                             "/usr/share/fonts/TTF/DejaVuSans-Bold.ttf"}) {
        if (TTF_Font* font = TTF_OpenFont(file, 13)) return Font(font);
    }
    return nullptr;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: levelsheet OUT.png [--columns N] PICTURE CAPTION [PICTURE CAPTION ...]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string out = argv[1];
    int columns = 3;
    int at = 2;
    if (at + 1 < argc && std::string(argv[at]) == "--columns") {
        columns = std::max(1, std::atoi(argv[at + 1]));
        at += 2;
    }
    std::vector<Shot> shots;
    for (; at + 1 < argc; at += 2)
        shots.push_back({argv[at], argv[at + 1]});
    if (shots.empty() || at != argc) return Usage();

    const TextSession text;
    if (!text.ok) {
        std::fprintf(stderr, "levelsheet: %s\n", TTF_GetError());
        return 1;
    }
    const Font font = OpenCaptionFont();
    const int rows = (static_cast<int>(shots.size()) + columns - 1) / columns;
    const int width = kGap + columns * (kCellW + kGap);
    const int height = kGap + rows * (kCellH + kCaptionH + kGap);
    Surface sheet(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888));
    if (!sheet) {
        std::fprintf(stderr, "levelsheet: %s\n", SDL_GetError());
        return 1;
    }
    SDL_FillRect(sheet.get(), nullptr, SDL_MapRGB(sheet->format, 24, 24, 28));

    int failed = 0;
    for (std::size_t i = 0; i < shots.size(); ++i) {
        const int x = kGap + static_cast<int>(i) % columns * (kCellW + kGap);
        const int y = kGap + static_cast<int>(i) / columns * (kCellH + kCaptionH + kGap);
        SDL_Rect cell{x, y, kCellW, kCellH};
        Surface picture(IMG_Load(shots[i].picture.c_str()));
        if (picture) {
            Surface converted(SDL_ConvertSurface(picture.get(), sheet->format, 0));
            if (converted) SDL_BlitScaled(converted.get(), nullptr, sheet.get(), &cell);
        } else {
            std::fprintf(stderr, "levelsheet: %s: %s\n", shots[i].picture.c_str(), IMG_GetError());
            SDL_FillRect(sheet.get(), &cell, SDL_MapRGB(sheet->format, 90, 20, 20));
            ++failed;
        }
        if (font) {
            Surface caption(
                TTF_RenderUTF8_Blended(font.get(), shots[i].caption.c_str(), {230, 230, 220, 255}));
            if (caption) {
                SDL_Rect place{x + 2, y + kCellH + (kCaptionH - caption->h) / 2, caption->w,
                               caption->h};
                SDL_BlitSurface(caption.get(), nullptr, sheet.get(), &place);
            }
        }
    }
    if (IMG_SavePNG(sheet.get(), out.c_str()) != 0) {
        std::fprintf(stderr, "levelsheet: %s: %s\n", out.c_str(), IMG_GetError());
        return 1;
    }
    return failed == 0 ? 0 : 1;
}
