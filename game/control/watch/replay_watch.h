#pragma once

#include <cstdint>
#include <functional>

#include "game/control/input/keyboard.h"
#include "game/control/input/window_events.h"
#include "game/control/watch/replay_pacer.h"
#include "game/present/display.h"
#include "game/present/replay_mark.h"
#include "game/rules/game.h"

namespace zelkor {

// The watcher's side of a replay shown in the window. It is the recorded game's display: each
// picture gets the replay's mark on its counter bar and is shown in step with the replay's
// clock (at four times the speed no more often than the display refreshes). Between pictures
// it reads the player's keys, which never reach the recorded game: Space pauses and resumes
// (the last picture stays, marked "PAUSED"), Right plays at four times the speed and back,
// Escape stops. Closing the window stops it too. What the recorded run showed before its own
// game (its start-up; a replay not cut at its game's start also the menu and earlier games)
// passes unseen and unpaced, only Escape heard.
class ReplayWatch final : public Display, private WindowEventSink {
public:
    // What the watcher sees and presses: the program's own window, keys and clock.
    struct Window {
        Display& display;
        Keyboard& keyboard;
        WindowEvents& events;
        Clock& clock;
    };
    explicit ReplayWatch(Window window) : w_(window) {}

    // The recorded game being shown, the pictures of its fonts, and what ends it early.
    void Begin(const Game& watched, const PictureStore& fonts, std::function<void()> stop);
    bool stopped() const { return stopped_; }
    // The replay's own game starts: from here on its pictures are shown.
    void OwnGameStarted();
    bool showing() const { return showing_; }
    // The window closed (or a headless run's time up) while watching, told to the program's
    // own window once the replay has ended.
    void PassOnWindowEvents(WindowEventSink& window) const;
    ReplayMark mark() const { return mark_; }

    void Present(const Surface& backBuffer) override;
    void ShowCursor(bool) override {}

private:
    static constexpr std::int64_t kRefreshMs = 16;
    void ReadKeys();
    void Press(int code);
    void ShowMarked();
    void Stop();

    // WindowEventSink
    void WindowClosed() override;
    void Activated(bool) override {}
    void RunOver() override;
    void PictureLost() override {}

    Window w_;
    const Game* watched_ = nullptr;
    const PictureStore* fonts_ = nullptr;
    std::function<void()> stop_;
    Surface picture_;  // the recorded game's last picture
    Surface marked_;   // and as shown, with the mark
    KeyState keys_;
    ReplayMark mark_;
    ReplayPacer pacer_;
    std::int64_t shownAt_ = -kRefreshMs;
    std::int64_t keysReadAt_ = 0;
    bool stopped_ = false;
    bool showing_ = false;
    bool windowClosed_ = false;
    bool runOver_ = false;
};

}  // namespace zelkor
