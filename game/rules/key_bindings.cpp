#include "game/rules/key_bindings.h"

#include <cstdlib>

#include "game/rules/physical_keys.h"

namespace zelkor {
namespace {

constexpr std::array<ActionInfo, kActionCount> kActions{{
    {"Up", "Up", {200, 0}, "D-pad up"},
    {"Down", "Down", {208, 0}, "D-pad down"},
    {"Left", "Left", {203, 0}, "D-pad left"},
    {"Right", "Right", {205, 0}, "D-pad right"},
    {"Pause", "Pause", {197, 0}, "Start"},
    {"Information", "Information", {59, 0}, ""},
    {"Name tags", "NameTags", {60, 49}, ""},
    {"Statistics", "Statistics", {61, 0}, ""},
    {"Death details", "DeathDetails", {62, 0}, ""},
    {"Screenshot", "Screenshot", {88, 0}, ""},
}};

}  // namespace

const ActionInfo& InfoOf(int action) {
    if (action < 0 || action >= kActionCount) std::abort();
    return kActions[static_cast<std::size_t>(action)];
}

bool ChoosableKey(int code) {
    constexpr int kEscape = 1, kEnter = 28, kLeftAlt = 56, kKeypadEnter = 156, kRightAlt = 184;
    constexpr int kLeftWindows = 219, kRightWindows = 220;
    if (code <= 0 || code > 255 || PhysicalKeyName(code).empty()) return false;
    switch (code) {
        case kEscape:
        case kEnter:
        case kKeypadEnter:
        case kLeftAlt:
        case kRightAlt:
        case kLeftWindows:
        case kRightWindows:
            return false;
        default:
            return true;
    }
}

std::optional<Action> PadAction(int code) {
    switch (code) {
        case pad::Up:
            return Action::Up;
        case pad::Down:
            return Action::Down;
        case pad::Left:
            return Action::Left;
        case pad::Right:
            return Action::Right;
        case pad::Start:
            return Action::Pause;
        default:
            return std::nullopt;
    }
}

std::array<KeyBindings::Keys, kActionCount> KeyBindings::Defaults() {
    std::array<Keys, kActionCount> keys{};
    for (int a = 0; a < kActionCount; ++a)
        keys[static_cast<std::size_t>(a)] = InfoOf(a).defaults;
    return keys;
}

bool KeyBindings::Acts(Action action, int code) const {
    if (code <= 0) return false;
    const Keys& k = Of(action);
    return k[0] == code || k[1] == code || PadAction(code) == action;
}

std::optional<Action> KeyBindings::HolderOf(int code) const {
    if (code <= 0) return std::nullopt;
    for (int a = 0; a < kActionCount; ++a) {
        const Keys& k = keys[static_cast<std::size_t>(a)];
        if (k[0] == code || k[1] == code) return static_cast<Action>(a);
    }
    return std::nullopt;
}

std::optional<Action> KeyBindings::Bind(Action action, int column, int code) {
    const std::optional<Action> holder = HolderOf(code);
    Keys& mine = Of(action);
    const auto slot = static_cast<std::size_t>(column);
    if (holder == action) {
        // Already this action's: it moves to the chosen column.
        if (mine[slot] != code) std::swap(mine[0], mine[1]);
        return std::nullopt;
    }
    if (holder) {
        for (std::uint8_t& k : Of(*holder))
            if (k == code) k = 0;
    }
    mine[slot] = static_cast<std::uint8_t>(code);
    return holder;
}

}  // namespace zelkor
