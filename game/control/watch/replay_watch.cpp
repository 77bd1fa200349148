#include "game/control/watch/replay_watch.h"

#include <algorithm>
#include <utility>

#include "game/control/input/key_handler.h"
#include "game/rules/physical_keys.h"

namespace zelkor {

void ReplayWatch::Begin(const Game& watched, const PictureStore& fonts,
                        std::function<void()> stop) {
    watched_ = &watched;
    fonts_ = &fonts;
    stop_ = std::move(stop);
    stopped_ = windowClosed_ = runOver_ = showing_ = false;
    mark_ = {};
    pacer_.Restart();
    keysReadAt_ = w_.clock.NowMs();
    // Keys held as watching begins (the Enter that started it) act only when pressed again.
    PollKeyboard(w_.keyboard, keys_);
    keys_.presses.Clear();
}

void ReplayWatch::Present(const Surface& backBuffer) {
    if (stopped_ || watched_ == nullptr) return;  // the recorded game ends unseen
    if (!showing_) {
        // Escape stops the run before the game too; its keys are read once a frame, since
        // reading them lets a headless run's clock move on.
        if (w_.clock.NowMs() - keysReadAt_ >= kRefreshMs) {
            keysReadAt_ = w_.clock.NowMs();
            ReadKeys();
        }
        return;
    }
    picture_ = backBuffer;
    ReadKeys();
    for (;;) {
        if (stopped_) return;
        if (mark_.paused) {
            ShowMarked();  // paced by the display
            ReadKeys();
            continue;
        }
        const std::int64_t wait =
            pacer_.WaitBefore(watched_->Now(), w_.clock.NowMs(), mark_.fast ? 4 : 1);
        if (wait <= 0) break;
        w_.events.WaitForEvent(static_cast<int>(std::min<std::int64_t>(wait, kRefreshMs)));
        ReadKeys();
    }
    if (!mark_.fast || w_.clock.NowMs() - shownAt_ >= kRefreshMs) ShowMarked();
}

void ReplayWatch::OwnGameStarted() {
    showing_ = true;
    pacer_.Restart();  // the run before the game took no time
}

void ReplayWatch::ShowMarked() {
    marked_ = picture_;
    DrawReplayMark(*fonts_, marked_, *watched_, mark_);
    w_.display.Present(marked_);
    shownAt_ = w_.clock.NowMs();
}

void ReplayWatch::ReadKeys() {
    w_.events.Pump(*this);
    PollKeyboard(w_.keyboard, keys_);
    const KeyPresses presses = std::exchange(keys_.presses, {});
    for (std::size_t n = 0; n < presses.count && !stopped_; ++n)
        Press(presses.codes[n]);
}

void ReplayWatch::Press(int code) {
    switch (MenuKeyOf(code)) {
        case key::Space:
            mark_.paused = !mark_.paused;
            pacer_.Restart();
            break;
        case key::Right:
            mark_.fast = !mark_.fast;
            break;
        case key::Escape:
            Stop();
            break;
        default:
            break;
    }
}

void ReplayWatch::WindowClosed() {
    windowClosed_ = true;
    Stop();
}

void ReplayWatch::RunOver() {
    runOver_ = true;
    Stop();
}

void ReplayWatch::PassOnWindowEvents(WindowEventSink& window) const {
    if (windowClosed_) window.WindowClosed();
    if (runOver_) window.RunOver();
}

void ReplayWatch::Stop() {
    if (std::exchange(stopped_, true)) return;
    if (stop_) stop_();
}

}  // namespace zelkor
