#include "game/platform/sdl_window.h"

#include <SDL.h>

#include <algorithm>
#include <string_view>

#include "game/platform/letterbox.h"

namespace zelkor {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr std::uint64_t kFrameMs = 16;

// The window's first size: twice the picture where the desktop has room for it.
int WindowFactor() {
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
    return (usable.w >= 2 * kWidth && usable.h >= 2 * kHeight + 60) ? 2 : 1;
}

// Whether the renderer draws through an OpenGL that the processor emulates (Mesa's llvmpipe,
// softpipe or swrast, as on a virtual display or a machine without a graphics driver). Each
// present then costs the processor a few milliseconds, several times what SDL's own software
// renderer needs for the same picture.
bool EmulatedOpenGl(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0 || info.name == nullptr) return false;
    const std::string_view name = info.name;
    if (name.substr(0, 6) != "opengl") return false;
    using GetString = const unsigned char* (*)(unsigned int);
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    if (getString == nullptr) return false;
    constexpr unsigned int kGlRenderer = 0x1F01;
    const auto* text = reinterpret_cast<const char*>(getString(kGlRenderer));
    if (text == nullptr) return false;
    const std::string_view gl = text;
    return gl.find("llvmpipe") != gl.npos || gl.find("softpipe") != gl.npos ||
           gl.find("Software Rasterizer") != gl.npos;
}

}  // namespace

SdlWindow::SdlWindow(bool windowed) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return;
    // Whole-pixel magnification: the sprites stay crisp.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
    // A full-screen game that loses the focus gives the desktop back.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "1");
    const int factor = windowed ? WindowFactor() : 1;
    const Uint32 flags =
        SDL_WINDOW_RESIZABLE | (windowed ? 0u : Uint32{SDL_WINDOW_FULLSCREEN_DESKTOP});
    window_ = SDL_CreateWindow("Zelkor", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               kWidth * factor, kHeight * factor, flags);
    if (window_ == nullptr) return;
    SDL_SetWindowMinimumSize(window_, kWidth / 2, kHeight / 2);
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_PRESENTVSYNC);
    if (renderer_ != nullptr && EmulatedOpenGl(renderer_)) {
        // SDL's software renderer, with a window surface of its own rather than one drawn
        // through that same OpenGL; the frame limiter paces it.
        SDL_DestroyRenderer(renderer_);
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
        software_ = renderer_ != nullptr;
    }
    if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (renderer_ != nullptr)
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888,
                                     SDL_TEXTUREACCESS_STREAMING, kWidth, kHeight);
    ApplyCursor();
}

SdlWindow::~SdlWindow() {
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    SDL_ShowCursor(SDL_ENABLE);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool SdlWindow::FullScreen() const {
    return window_ != nullptr && (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

void SdlWindow::ApplyCursor() {
    const bool shown = cursorWanted_ || !FullScreen() || !focused_;
    SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE);
}

void SdlWindow::ShowCursor(bool shown) {
    cursorWanted_ = shown;
    ApplyCursor();
}

void SdlWindow::ToggleFullScreen() {
    if (window_ == nullptr) return;
    SDL_SetWindowFullscreen(window_, FullScreen() ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    shownLost_ = true;
    ApplyCursor();
}

void SdlWindow::Present(const Surface& backBuffer) {
    const auto pixels = backBuffer.pixels();
    if (renderer_ != nullptr && texture_ != nullptr && backBuffer.width() == kWidth &&
        backBuffer.height() == kHeight) {
        // The rows [first, last) that differ from the picture the window shows.
        int first = 0;
        int last = kHeight;
        if (!shownLost_ && shown_.size() == pixels.size()) {
            first = kHeight;
            last = 0;
            for (int y = 0; y < kHeight; ++y) {
                const auto row = static_cast<std::ptrdiff_t>(y) * kWidth;
                if (std::equal(pixels.begin() + row, pixels.begin() + row + kWidth,
                               shown_.begin() + row))
                    continue;
                first = std::min(first, y);
                last = y + 1;
            }
        }
        if (first < last) ShowRows(pixels, first, last);
    }
    // A present that waited for the display's refresh has used up the frame already.
    // One that came back at once (no vsync, a minimised or hidden window, a driver that
    // reports vsync but does not keep it) is paced by waiting out the rest of a frame.
    const std::uint64_t now = SDL_GetTicks64();
    if (now - lastPresent_ < kFrameMs)
        SDL_Delay(static_cast<Uint32>(kFrameMs - (now - lastPresent_)));
    lastPresent_ = SDL_GetTicks64();
}

void SdlWindow::ShowRows(std::span<const std::uint32_t> pixels, int first, int last) {
    const bool whole = shownLost_ || shown_.size() != pixels.size();
    if (whole) {
        shown_.assign(pixels.begin(), pixels.end());
        first = 0;
        last = kHeight;
    } else {
        std::copy(pixels.begin() + first * kWidth, pixels.begin() + last * kWidth,
                  shown_.begin() + first * kWidth);
    }
    shownLost_ = false;
    const SDL_Rect rows{0, first, kWidth, last - first};
    SDL_UpdateTexture(texture_, &rows, pixels.data() + first * kWidth,
                      kWidth * static_cast<int>(sizeof(std::uint32_t)));
    int w = 0;
    int h = 0;
    SDL_GetRendererOutputSize(renderer_, &w, &h);
    const Rect picture = LetterboxedPicture(w, h);
    // The software renderer keeps what it drew, so at a whole scale only the changed rows are
    // drawn again; a graphics card's renderer starts each frame afresh.
    const int scale = picture.height() / kHeight;
    if (software_ && !whole && scale * kHeight == picture.height()) {
        const SDL_Rect to{picture.left, picture.top + first * scale, picture.width(),
                          (last - first) * scale};
        SDL_RenderCopy(renderer_, texture_, &rows, &to);
    } else {
        const SDL_Rect to{picture.left, picture.top, picture.width(), picture.height()};
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        SDL_RenderCopy(renderer_, texture_, nullptr, &to);
    }
    SDL_RenderPresent(renderer_);
}

void SdlWindow::Pump(WindowEventSink& sink) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
            case SDL_QUIT:
                sink.WindowClosed();
                break;
            case SDL_KEYDOWN:
                // Alt+Enter belongs to the window; the keyboard hides its Enter.
                if (event.key.keysym.sym == SDLK_RETURN && (event.key.keysym.mod & KMOD_ALT) != 0 &&
                    event.key.repeat == 0)
                    ToggleFullScreen();
                break;
            case SDL_WINDOWEVENT:
                // A window uncovered, resized or moved to full screen shows the picture again.
                if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
                    event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                    event.window.event == SDL_WINDOWEVENT_RESTORED) {
                    shownLost_ = true;
                    sink.PictureLost();
                }
                if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                    focused_ = false;
                    ApplyCursor();
                    sink.Activated(false);
                } else if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
                    focused_ = true;
                    ApplyCursor();
                    sink.Activated(true);
                }
                break;
            default:
                break;
        }
    }
}

void SdlWindow::Sleep(int ms) {
    SDL_Delay(static_cast<Uint32>(ms));
}

bool SdlWindow::WaitForEvent(int ms) {
    return SDL_WaitEventTimeout(nullptr, ms) == 1;
}

}  // namespace zelkor
