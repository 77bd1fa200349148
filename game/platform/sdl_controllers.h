#pragma once

#include <memory>

#include "game/control/input/keyboard.h"

namespace zelkor {

// What a game controller holds at one moment, in SDL's game-controller terms.
struct ControllerReading {
    bool dpadUp = false, dpadDown = false, dpadLeft = false, dpadRight = false;
    bool a = false, b = false, back = false, start = false;
    int leftX = 0, leftY = 0;  // -32768..32767, down and right positive
};

// How far the left stick must be pushed before it steers.
inline constexpr int kStickDeadZone = 16000;

// Marks the codes a controller stands in for as held: the D-pad and the left stick are the
// controller's steering codes (the stick by its axis pushed furthest, so it never holds two),
// which act as the steering actions whatever keys those have; Start is the Pause action; A is
// Enter, B and Back are Escape. Codes it does not hold are left as they are.
void AddControllerKeys(const ControllerReading& reading, KeySnapshot& snapshot);

// Every game controller plugged in, opened through SDL's game-controller interface. Controllers
// plugged in later are opened at the next read (SDL reports them while events are pumped);
// unplugged ones are closed.
class Controllers {
public:
    Controllers();
    ~Controllers();
    Controllers(const Controllers&) = delete;
    Controllers& operator=(const Controllers&) = delete;

    // False when SDL's game-controller service cannot be started (the game then runs without).
    bool Open();
    void Close();
    // Adds the keys every open controller holds to the snapshot, and those whose button went
    // down and up again since the last call; a key the controllers did not hold at the last call
    // is added to `presses`. Reads the state SDL had at the last pump of its events.
    void AddHeldKeys(KeySnapshot& snapshot, KeyPresses& presses);
    int Count() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace zelkor
