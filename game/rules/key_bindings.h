#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zelkor {

// What the player's chosen keys do: steering and the commands of play.
enum class Action : std::uint8_t {
    Up,
    Down,
    Left,
    Right,
    Pause,
    Information,
    NameTags,
    Statistics,
    DeathDetails,
    Screenshot
};
inline constexpr int kActionCount = 10;

struct ActionInfo {
    std::string_view title;       // on the Controls page: "Name tags"
    std::string_view settingKey;  // in the settings file: "NameTags"
    std::array<std::uint8_t, 2> defaults;
    std::string_view controller;  // the controller button doing the same, or empty
};

// Actions 0..9; another number aborts.
const ActionInfo& InfoOf(int action);
inline const ActionInfo& InfoOf(Action action) {
    return InfoOf(static_cast<int>(action));
}

// Whether the player may choose the key: Enter, Escape, Alt and the Windows keys belong to the
// menus and the desktop, and a code without a name is no key.
bool ChoosableKey(int code);

// The action a controller code does (the D-pad and stick steer, Start pauses).
std::optional<Action> PadAction(int code);

// Each action's two keys by physical position (set-1 codes; 0 = none), a key belonging to one
// action at most. Name tags: the first key switches them on or off, the second shows them
// while it is the last key that acted.
struct KeyBindings {
    using Keys = std::array<std::uint8_t, 2>;
    std::array<Keys, kActionCount> keys = Defaults();

    static std::array<Keys, kActionCount> Defaults();

    Keys& Of(Action action) { return keys[static_cast<std::size_t>(action)]; }
    const Keys& Of(Action action) const { return keys[static_cast<std::size_t>(action)]; }
    // The key acts as the action: one of its keys, or the controller code for it.
    bool Acts(Action action, int code) const;
    std::optional<Action> HolderOf(int code) const;
    // Puts the key into the action's column (0 or 1); the action that had it loses it and is
    // returned. Keeping a key where it is changes nothing.
    std::optional<Action> Bind(Action action, int column, int code);
    bool Unbound(Action action) const { return Of(action)[0] == 0 && Of(action)[1] == 0; }
    // The first key of the action that has one, 0 with none.
    int FirstKey(Action action) const { return Of(action)[0] != 0 ? Of(action)[0] : Of(action)[1]; }

    bool operator==(const KeyBindings&) const = default;
};

}  // namespace zelkor
