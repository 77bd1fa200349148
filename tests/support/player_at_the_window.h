#pragma once

// A player at the game's real window (SDL's dummy drivers): the clock the game reads, which
// sends what the player does through SDL's queue when its time comes, so the window and the
// keyboard's latch hand it to the game as they would.
#include <SDL2/SDL.h>

#include <cstdint>
#include <functional>
#include <map>
#include <random>

#include "game/rules/clock.h"

namespace zelkor::support {

class PlayerAtTheWindow final : public Clock {
public:
    // A window that is not always on time: each reading comes 14 to 19 ms after the last.
    PlayerAtTheWindow() = default;
    // Each reading comes `stepMs` after the last, the first at `startMs`.
    PlayerAtTheWindow(std::int64_t startMs, std::int64_t stepMs)
        : now_(startMs - stepMs), stepMs_(stepMs) {}

    std::int64_t NowMs() const override {
        now_ += stepMs_ > 0 ? stepMs_ : 14 + static_cast<std::int64_t>(jitter_() % 6);
        for (auto due = acts_.begin(); due != acts_.end() && due->first <= now_;)
            due->second(), due = acts_.erase(due);
        return now_;
    }
    void At(std::int64_t ms, std::function<void()> act) { acts_.emplace(ms, std::move(act)); }
    void Key(std::int64_t ms, SDL_Scancode key, Uint16 modifiers = KMOD_NONE) {
        At(ms, [=] {
            SDL_Event event{};
            event.type = SDL_KEYDOWN;
            event.key.keysym.scancode = key;
            event.key.keysym.sym = SDL_GetKeyFromScancode(key);
            event.key.keysym.mod = modifiers;
            SDL_PushEvent(&event);
        });
    }
    void Window(std::int64_t ms, Uint32 type, Uint8 change = 0) {
        At(ms, [=] {
            SDL_Event event{};
            event.type = type;
            event.window.event = change;
            SDL_PushEvent(&event);
        });
    }

private:
    mutable std::int64_t now_ = 0;
    std::int64_t stepMs_ = 0;
    mutable std::mt19937 jitter_{5};
    mutable std::multimap<std::int64_t, std::function<void()>> acts_;
};

}  // namespace zelkor::support
