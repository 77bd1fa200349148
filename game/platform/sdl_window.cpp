#include "game/platform/sdl_window.h"

#include <SDL.h>

namespace zelkor {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr std::uint64_t kFrameMs = 16;

}  // namespace

SdlWindow::SdlWindow(bool windowed) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return;
    const Uint32 flags = windowed ? SDL_WINDOW_SHOWN : SDL_WINDOW_FULLSCREEN_DESKTOP;
    window_ = SDL_CreateWindow("Zelkor", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWidth,
                               kHeight, flags);
    if (window_ == nullptr) return;
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_PRESENTVSYNC);
    if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (renderer_ != nullptr)
        SDL_RenderSetLogicalSize(renderer_, kWidth, kHeight);  // letterboxed when scaled
    SDL_ShowCursor(windowed ? SDL_ENABLE : SDL_DISABLE);
}

SdlWindow::~SdlWindow() {
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    SDL_ShowCursor(SDL_ENABLE);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void SdlWindow::Present() {
    if (renderer_ != nullptr) {
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        SDL_RenderPresent(renderer_);
    }
    // A present that waited for the display's refresh has used up the frame already.
    // One that came back at once (no vsync, a minimised or hidden window, a driver that
    // reports vsync but does not keep it) is paced by waiting out the rest of a frame.
    const std::uint64_t now = SDL_GetTicks64();
    if (now - lastPresent_ < kFrameMs)
        SDL_Delay(static_cast<Uint32>(kFrameMs - (now - lastPresent_)));
    lastPresent_ = SDL_GetTicks64();
}

void SdlWindow::Pump(Game& game) {
    Present();
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT) {
            game.flags.ending = true;
            game.flags.running = false;
        }
    }
}

void SdlWindow::Sleep(int ms) {
    SDL_Delay(static_cast<Uint32>(ms));
}

}  // namespace zelkor
