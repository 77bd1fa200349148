#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/control/input/keyboard.h"

namespace zelkor {

// A key file of the headless runner: one event per line, "TIME CODE STATE" (game
// time in ms, set-1 scan code, 1 pressed / 0 released); "#" starts a comment line.
struct KeyScript {
    std::vector<ScriptedKeyboard::Change> changes;
    std::optional<std::string> error;  // "line N: reason"
};

KeyScript ParseKeyScript(std::string_view text);

// Puts the script's key changes on the keyboard, their times counted from `start`.
void AddKeyScript(const KeyScript& script, std::int64_t start, ScriptedKeyboard& keyboard);

}  // namespace zelkor
