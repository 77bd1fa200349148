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
    // Overwrites the snapshot with the keys held now.
    virtual void Poll(KeySnapshot& snapshot) = 0;
};

// The poll the key handler starts each run with: the snapshot, then the shift flag, which only
// the left Shift key sets.
void PollKeyboard(Keyboard& keyboard, KeyState& keys);

// A keyboard with every key up (tests, and runs without input).
class NullKeyboard final : public Keyboard {
public:
    bool DI_Init(KeyboardStartError&) override { return true; }
    void DI_Release() override {}
    void Poll(KeySnapshot& snapshot) override { snapshot.fill(0); }
};

// A keyboard played from a script of timed key changes, for tests and the headless runner.
// A change is seen by the first poll at or after its time. A poll takes the due changes in
// order and stops before a second change of a key it has already changed, so a press and its
// release between two polls are seen one after the other (the press by one poll, the release by
// the next), and keys typed quickly are still seen in the order they were typed.
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
    void Poll(KeySnapshot& snapshot) override;

private:
    const Clock& clock_;
    std::deque<Change> script_;
    KeySnapshot held_{};
    bool opened_ = false;
    bool failStart_ = false;
    KeyboardStartError startError_;
};

}  // namespace zelkor
