#include "game/control/headless/key_script.h"

#include <charconv>

namespace zelkor {
namespace {

bool NextField(std::string_view& rest, long long& value) {
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
        rest.remove_prefix(1);
    const char* first = rest.data();
    const char* last = rest.data() + rest.size();
    auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc{} || end == first) return false;
    rest.remove_prefix(static_cast<std::size_t>(end - first));
    return true;
}

bool OnlyBlanks(std::string_view s) {
    for (char c : s)
        if (c != ' ' && c != '\t' && c != '\r') return false;
    return true;
}

}  // namespace

KeyScript ParseKeyScript(std::string_view text) {
    KeyScript script;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t cut = text.find('\n');
        std::string_view line = text.substr(0, cut);
        text = cut == std::string_view::npos ? std::string_view{} : text.substr(cut + 1);
        ++lineNumber;
        if (OnlyBlanks(line)) continue;
        std::string_view rest = line;
        while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
            rest.remove_prefix(1);
        if (rest.front() == '#') continue;
        long long time = 0, code = 0, state = 0;
        const bool ok = NextField(rest, time) && NextField(rest, code) && NextField(rest, state) &&
                        OnlyBlanks(rest) && time >= 0 && code >= 0 && code <= 255 &&
                        (state == 0 || state == 1);
        if (!ok) {
            script.error = "line " + std::to_string(lineNumber) +
                           ": expected \"TIME CODE STATE\" (ms, scan code 0..255, 1 or 0)";
            return script;
        }
        script.changes.push_back({time, static_cast<int>(code), state == 1});
    }
    return script;
}

void AddKeyScript(const KeyScript& script, std::int64_t start, ScriptedKeyboard& keyboard) {
    for (ScriptedKeyboard::Change change : script.changes) {
        change.time += start;
        keyboard.Add(change);
    }
}

}  // namespace zelkor
