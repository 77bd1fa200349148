#pragma once

#include "game/rules/game.h"

namespace zelkor {

// The window's pending events and the pace of the loops. Every pass of a loop
// that lets events run calls Pump once; a fixed wait inside a loop calls Sleep.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    // Lets pending window events run (focus changes, the window closing). The
    // headless runner moves its clock on by one frame here instead.
    virtual void Pump(Game& game) = 0;
    virtual void Sleep(int ms) = 0;
};

// No window: nothing happens between passes (tests drive the clock themselves).
class NoWindowEvents final : public WindowEvents {
public:
    void Pump(Game&) override {}
    void Sleep(int) override {}
};

}  // namespace zelkor
