#pragma once

#include <cstdint>
#include <mutex>

#include "game/control/input/keyboard.h"
#include "game/platform/sdl_controllers.h"

union SDL_Event;

namespace zelkor {

// The system keyboard through SDL, with the game controllers standing in for their keys.
//
// Events: each poll pumps SDL's event queue itself (SDL_PumpEvents) so the held states are
// fresh however often the display's event loop runs; pumping only fills the queue, so the
// display still receives every window event. An event watch sees every key going down as SDL
// queues it, whoever pumps, so a key tapped between two polls is latched for the next poll and
// presses keep their order. SDL reports keys only while the game window has the keyboard
// focus; without it every key reads as up.
class SdlKeyboard final : public Keyboard {
public:
    SdlKeyboard() = default;
    ~SdlKeyboard() override;
    SdlKeyboard(const SdlKeyboard&) = delete;
    SdlKeyboard& operator=(const SdlKeyboard&) = delete;

    bool DI_Init(KeyboardStartError& error) override;
    void DI_Release() override;
    void Poll(KeySnapshot& snapshot, KeyPresses& presses) override;
    // SDL's name of the key the layout has at the place ("Q" for the French layout's "A").
    std::string KeyLabel(int code) const override;

    int ControllerCount() const { return controllers_.Count(); }

private:
    static int Watch(void* self, SDL_Event* event);

    bool opened_ = false;
    std::mutex wentDownLock_;  // SDL may call the watch on the thread that queues the event
    KeySnapshot wentDown_{};   // keys that went down since the last poll
    KeyPresses pressed_;       // and in which order
    bool enterTaken_ = false;  // an Enter pressed with Alt, until it is let go
    Controllers controllers_;
};

// Turns SDL's keyboard state (one byte per SDL scancode) into the set-1 snapshot.
void FillSnapshot(const std::uint8_t* sdlState, int sdlKeyCount, KeySnapshot& snapshot);

}  // namespace zelkor
