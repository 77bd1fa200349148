#pragma once

#include <cstdint>

#include "game/control/window_events.h"

struct SDL_Window;
struct SDL_Renderer;

namespace zelkor {

// The game window: 640 x 480, full screen on the desktop unless a window is asked
// for. It lets pending window events run once per pass of any loop and paces the
// loops to the display (vsync, or a frame limiter where vsync is missing), so a
// waiting game never spins a core.
class SdlWindow final : public WindowEvents {
public:
    explicit SdlWindow(bool windowed);
    ~SdlWindow() override;
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    bool Open() const { return window_ != nullptr; }

    void Pump(Game& game) override;
    void Sleep(int ms) override;

private:
    void Present();

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    std::uint64_t lastPresent_ = 0;
};

}  // namespace zelkor
