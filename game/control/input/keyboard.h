#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>

#include "game/rules/clock.h"
#include "game/rules/game.h"

namespace zelkor {

// The held state of every key, indexed by set-1 scan code; non-zero = held.
using KeySnapshot = std::array<std::uint8_t, 256>;

inline constexpr int kLeftShiftCode = 42;

// What start-up shows when the keyboard cannot be opened, before the program ends.
inline constexpr const char* kKeyboardStartFailedText =
    "Error starting Direct Input, please make sure you have DirectX installed";
inline constexpr const char* kKeyboardReadyLog = "DI_Init: Keyboard initialized...";

// Why the keyboard could not be opened: start-up prints number + ": " + description.
struct KeyboardStartError {
    int number = 0;
    std::string description;
};

// The keyboard as the game reads it: opened once, then polled for a snapshot of held keys.
class Keyboard {
public:
    virtual ~Keyboard() = default;

    // Opens the keyboard. False when the input service cannot be started; `error` then says why.
    virtual bool DI_Init(KeyboardStartError& error) = 0;
    // Gives the keyboard back; later polls see every key up.
    virtual void DI_Release() = 0;
    // Overwrites the snapshot with the keys held now and those that went down since the last
    // poll (a key tapped between two polls shows as held for one), and adds every key that went
    // down since then to `presses`, in the order they went down.
    virtual void Poll(KeySnapshot& snapshot, KeyPresses& presses) = 0;
    // What the current layout calls the key at this place (UTF-8), for the player to read;
    // empty where the keyboard cannot tell.
    virtual std::string KeyLabel(int /*code*/) const { return {}; }
};

// The poll the key handler starts each run with: the snapshot and the presses, then the shift
// flag, which only the left Shift key sets. Presses wait in `keys` until the handler takes them.
void PollKeyboard(Keyboard& keyboard, KeyState& keys);

// A keyboard with every key up (tests, and runs without input).
class NullKeyboard final : public Keyboard {
public:
    bool DI_Init(KeyboardStartError&) override { return true; }
    void DI_Release() override {}
    void Poll(KeySnapshot& snapshot, KeyPresses&) override { snapshot.fill(0); }
};

// A keyboard played from a script of timed key changes, for tests and the headless runner.
// A change is seen by the first poll at or after its time, by the same rule as the real
// keyboard: a poll takes every due change, a key tapped since the last poll shows as held for
// that poll, and the presses come in the order of the script.
class ScriptedKeyboard final : public Keyboard {
public:
    struct Change {
        std::int64_t time = 0;
        int code = 0;
        bool pressed = false;
    };

    explicit ScriptedKeyboard(const Clock& clock) : clock_(clock) {}

    // Changes of the same time keep the order they were added in.
    void Add(Change change);
    void Press(std::int64_t time, int code) { Add({time, code, true}); }
    void Release(std::int64_t time, int code) { Add({time, code, false}); }
    // Start-up fails with this error (to test the failure path).
    void FailStart(KeyboardStartError error);

    // Changes not yet seen by a poll.
    std::size_t Pending() const { return script_.size(); }
    bool Opened() const { return opened_; }

    bool DI_Init(KeyboardStartError& error) override;
    void DI_Release() override;
    void Poll(KeySnapshot& snapshot, KeyPresses& presses) override;

private:
    const Clock& clock_;
    std::deque<Change> script_;
    KeySnapshot held_{};
    bool opened_ = false;
    bool failStart_ = false;
    KeyboardStartError startError_;
};

}  // namespace zelkor
