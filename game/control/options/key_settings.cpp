#include "game/control/options/key_settings.h"

#include <optional>
#include <ostream>

#include "game/rules/physical_keys.h"

namespace zelkor {
namespace {

constexpr std::string_view kNone = "None";

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The keys a line names, or why it cannot be used.
struct ParsedLine {
    KeyBindings::Keys keys{};
    std::string problem;
};

ParsedLine Parse(std::string_view text) {
    ParsedLine line;
    text = Trimmed(text);
    if (text == kNone) return line;
    std::size_t column = 0;
    while (true) {
        const auto comma = text.find(',');
        const std::string_view name = Trimmed(text.substr(0, comma));
        if (column == line.keys.size()) {
            line.problem = "more than two keys";
            return line;
        }
        const int code = PhysicalKeyCode(name);
        if (!ChoosableKey(code)) {
            line.problem = code == 0 ? "\"" + std::string(name) + "\" is no key the game knows"
                                     : std::string(name) + " cannot be chosen";
            return line;
        }
        if (column == 1 && line.keys[0] == code) {
            line.problem = std::string(name) + " is named twice";
            return line;
        }
        line.keys[column++] = static_cast<std::uint8_t>(code);
        if (comma == std::string_view::npos) return line;
        text = text.substr(comma + 1);
    }
}

// The action among those read from their lines that has the key; -1 for none.
int TakenByChosen(const KeyBindings& bindings, const std::array<bool, kActionCount>& chosen,
                  int code) {
    if (code == 0) return -1;
    for (int a = 0; a < kActionCount; ++a) {
        const auto& keys = bindings.keys[static_cast<std::size_t>(a)];
        if (chosen[static_cast<std::size_t>(a)] && (keys[0] == code || keys[1] == code)) return a;
    }
    return -1;
}

}  // namespace

std::string KeysText(const KeyBindings::Keys& keys) {
    std::string text;
    for (const std::uint8_t code : keys) {
        if (code == 0) continue;
        if (!text.empty()) text += ',';
        text += PhysicalKeyName(code);
    }
    return text.empty() ? std::string(kNone) : text;
}

KeyBindings LoadKeyBindings(SettingsStore& store, std::ostream& warnings) {
    KeyBindings bindings;
    std::array<bool, kActionCount> chosen{};
    // First the lines the player wrote, in the order of the actions.
    for (int a = 0; a < kActionCount; ++a) {
        const ActionInfo& info = InfoOf(a);
        const std::optional<std::string> text = store.Read(kKeysSection, info.settingKey);
        if (!text) continue;
        ParsedLine line = Parse(*text);
        for (const std::uint8_t code : line.keys) {
            if (const int holder = TakenByChosen(bindings, chosen, code); holder >= 0)
                line.problem = std::string(PhysicalKeyName(code)) + " is already " +
                               std::string(InfoOf(holder).settingKey) + "'s";
        }
        if (!line.problem.empty()) {
            warnings << "Zelkor: the settings' line [" << kKeysSection << "] " << info.settingKey
                     << "=" << *text << " cannot be used (" << line.problem << "); "
                     << info.settingKey << " keeps its default keys\n";
            continue;
        }
        bindings.keys[static_cast<std::size_t>(a)] = line.keys;
        chosen[static_cast<std::size_t>(a)] = true;
    }
    // Then the defaults, without the keys the player gave to other actions.
    for (int a = 0; a < kActionCount; ++a) {
        if (chosen[static_cast<std::size_t>(a)]) continue;
        auto& keys = bindings.keys[static_cast<std::size_t>(a)];
        keys = InfoOf(a).defaults;
        for (std::uint8_t& code : keys)
            if (TakenByChosen(bindings, chosen, code) >= 0) code = 0;
    }
    return bindings;
}

}  // namespace zelkor
