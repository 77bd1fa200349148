#include "game/control/input/keyboard.h"

#include <algorithm>
#include <bitset>
#include <utility>

namespace zelkor {

void PollKeyboard(Keyboard& keyboard, KeyState& keys) {
    keyboard.Poll(keys.snapshot);
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

void ScriptedKeyboard::Poll(KeySnapshot& snapshot) {
    const std::int64_t now = clock_.NowMs();
    std::bitset<256> changedNow;
    while (!script_.empty() && script_.front().time <= now) {
        const Change& change = script_.front();
        const auto code = static_cast<std::size_t>(change.code);
        if (code < held_.size()) {
            if (changedNow[code]) break;  // the next poll sees it
            changedNow[code] = true;
            held_[code] = change.pressed ? 0x80 : 0;
        }
        script_.pop_front();
    }
    // A keyboard that is not open delivers nothing; the script still runs on.
    if (opened_) {
        snapshot = held_;
    } else {
        snapshot.fill(0);
    }
}

}  // namespace zelkor
