#pragma once

#include "game/present/surface.h"

namespace zelkor {

// The visible side of the game: it shows the finished back buffer. The flip is
// the only place where the game waits for the display.
class Display {
public:
    virtual ~Display() = default;
    // Shows the back buffer (640 x 480) and paces the loops to the display: vsync,
    // or a frame limiter where vsync is missing.
    virtual void Present(const Surface& backBuffer) = 0;
    // The mouse cursor over the game (hidden in full screen unless debugging).
    virtual void ShowCursor(bool shown) = 0;
};

// No display: nothing is shown and nothing waits (tests, the headless runner).
class NullDisplay final : public Display {
public:
    void Present(const Surface&) override {}
    void ShowCursor(bool) override {}
};

}  // namespace zelkor
