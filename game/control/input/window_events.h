#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "game/rules/clock.h"

namespace zelkor {

// What the window reports while its pending events run. The main window answers
// each report; the window itself never touches the game.
class WindowEventSink {
public:
    virtual ~WindowEventSink() = default;
    // The player closed the window.
    virtual void WindowClosed() = 0;
    // The game's application became active (true) or another one did (false).
    virtual void Activated(bool active) = 0;
    // The run's time is up (headless runs): every loop returns at once.
    virtual void RunOver() = 0;
    // The window must be drawn again (uncovered, resized, back from the taskbar).
    virtual void PictureLost() {}
};

// The window's pending events. Every pass of a loop that lets events run calls
// Pump once; a fixed wait inside a loop calls Sleep. Presenting and the pace of
// the loops belong to the display's flip, not to these.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    // Lets pending window events run and reports them to `sink`. The headless
    // runner moves its clock on by one frame here instead.
    virtual void Pump(WindowEventSink& sink) = 0;
    virtual void Sleep(int ms) = 0;
    // Whether a loop whose picture has not changed may skip the frame and wait here instead.
    // Where nobody watches (the headless runner, tests) every pass is a frame.
    virtual bool Waits() const { return false; }
    // Waits up to `ms` for the next event of the window (a key, the mouse, the window itself)
    // without taking it; true when one came.
    virtual bool WaitForEvent(int /*ms*/) { return false; }
};

// No window: nothing happens between passes (tests drive the clock themselves).
class NoWindowEvents final : public WindowEvents {
public:
    void Pump(WindowEventSink&) override {}
    void Sleep(int) override {}
};

// No window, on a manual clock: each pass of a loop moves the clock on by one frame,
// and the run is over once the clock reaches `endAt` (the headless runner, tests).
class SteppingWindowEvents final : public WindowEvents {
public:
    // Looks at the game after each step, told whether the run's time is up; true
    // ends the run at once.
    using StepWatch = std::function<bool(bool timeUp)>;

    SteppingWindowEvents(ManualClock& clock, std::int64_t frameMs, std::int64_t endAt)
        : clock_(clock), frameMs_(frameMs), endAt_(endAt) {}

    void OnEachStep(StepWatch watch) { watch_ = std::move(watch); }

    void Pump(WindowEventSink& sink) override {
        clock_.Advance(frameMs_);
        const bool timeUp = clock_.NowMs() >= endAt_;
        const bool ended = watch_ && watch_(timeUp);
        if (timeUp || ended) sink.RunOver();
    }
    void Sleep(int ms) override { clock_.Advance(ms); }

private:
    ManualClock& clock_;
    std::int64_t frameMs_;
    std::int64_t endAt_;
    StepWatch watch_;
};

}  // namespace zelkor
