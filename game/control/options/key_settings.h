#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "common/settings_store.h"
#include "game/rules/key_bindings.h"

namespace zelkor {

// The player's keys in the settings file: one line per action, "Left=Left,A", "Right=D",
// "Pause=None", by the game's own key names.
inline constexpr std::string_view kKeysSection = "Keys";

// An action's keys as its line holds them: one or two names joined by ",", or "None".
std::string KeysText(const KeyBindings::Keys& keys);

// Reads the "Keys" section. A missing line keeps the action's defaults; a line naming a key the
// game does not know or may not use, or a key an action before it already has, gives the action
// its defaults and one line on `warnings`; "None" is kept. A default key another action has
// chosen stays with that action.
KeyBindings LoadKeyBindings(SettingsStore& store, std::ostream& warnings);

}  // namespace zelkor
