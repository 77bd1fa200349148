#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "game/control/input/window_events.h"
#include "game/present/display.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace zelkor {

// The game window. Full screen on the desktop unless a window is asked for; either
// way the 640 x 480 picture is scaled by the largest whole factor that fits and
// centred on black (a window smaller than the picture shrinks it to fit).
// Alt+Enter switches between full screen and the window.
//
// Presenting uploads the back buffer to one streaming texture and waits for the
// display's refresh (vsync); where the present comes back at once (no vsync, a
// hidden window) a frame limiter waits out the rest of the frame. Where OpenGL is
// emulated by the processor (llvmpipe), SDL's software renderer draws instead: it costs
// a fraction of the emulation for the same picture. A picture the
// window already shows is not sent again: the menu changes a few times a second,
// and every present costs the renderer a whole scaled frame. Pumping events
// reports the window closing and focus changes; losing the focus in full screen
// gives the desktop back (the window is minimised).
class SdlWindow final : public WindowEvents, public Display {
public:
    explicit SdlWindow(bool windowed);
    ~SdlWindow() override;
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    bool Open() const { return window_ != nullptr; }
    bool FullScreen() const;

    // WindowEvents
    void Pump(WindowEventSink& sink) override;
    void Sleep(int ms) override;
    bool Waits() const override { return true; }
    bool WaitForEvent(int ms) override;

    // Display
    void Present(const Surface& backBuffer) override;
    void ShowCursor(bool shown) override;

private:
    void ToggleFullScreen();
    // Shows rows [first, last) of the picture, the rest being what the window shows already.
    void ShowRows(std::span<const std::uint32_t> pixels, int first, int last);
    void ApplyCursor();

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    std::uint64_t lastPresent_ = 0;
    std::vector<std::uint32_t> shown_;  // the picture last sent to the window
    bool shownLost_ = true;             // the window must be drawn again all the same
    bool software_ = false;             // SDL's software renderer, which keeps what it drew
    bool cursorWanted_ = true;          // the game's wish; full screen hides it unless debugging
    bool focused_ = true;
};

}  // namespace zelkor
