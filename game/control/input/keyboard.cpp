#include "game/control/input/keyboard.h"

#include <algorithm>
#include <utility>

namespace zelkor {

void PollKeyboard(Keyboard& keyboard, KeyState& keys) {
    keyboard.Poll(keys.snapshot, keys.presses);
    keys.shift = keys.snapshot[kLeftShiftCode] != 0;
}

void ScriptedKeyboard::Add(Change change) {
    // After every change of the same or an earlier time.
    auto later = std::upper_bound(script_.begin(), script_.end(), change.time,
                                  [](std::int64_t time, const Change& c) { return time < c.time; });
    script_.insert(later, change);
}

void ScriptedKeyboard::FailStart(KeyboardStartError error) {
    failStart_ = true;
    startError_ = std::move(error);
}

bool ScriptedKeyboard::DI_Init(KeyboardStartError& error) {
    if (failStart_) {
        error = startError_;
        return false;
    }
    opened_ = true;
    return true;
}

void ScriptedKeyboard::DI_Release() {
    opened_ = false;
}

void ScriptedKeyboard::Poll(KeySnapshot& snapshot, KeyPresses& presses) {
    const std::int64_t now = clock_.NowMs();
    KeySnapshot wentDown{};
    for (; !script_.empty() && script_.front().time <= now; script_.pop_front()) {
        const Change& change = script_.front();
        const auto code = static_cast<std::size_t>(change.code);
        if (code >= held_.size()) continue;
        held_[code] = change.pressed ? 0x80 : 0;
        // A keyboard that is not open delivers nothing; the script still runs on.
        if (!change.pressed || !opened_) continue;
        wentDown[code] = 0x80;
        presses.Add(change.code);
    }
    for (std::size_t k = 0; k < snapshot.size(); ++k)
        snapshot[k] = opened_ ? static_cast<std::uint8_t>(held_[k] | wentDown[k]) : 0;
}

}  // namespace zelkor
