#include "common/ini_text.h"

#include "common/text_encoding.h"

namespace zelkor {

namespace {

char LowerAsciiChar(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool HasControlCharacter(std::string_view text) {
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 && b != '\t') || b == 0x7F) return true;
    }
    return false;
}

bool IsReadableText(std::string_view line) {
    return !HasControlCharacter(line) && IsValidUtf8(line);
}

bool IsIniSpace(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsIniSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsIniSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

}  // namespace

bool SameIniName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAsciiChar(a[i]) != LowerAsciiChar(b[i])) return false;
    return true;
}

std::string LowerAscii(std::string_view s) {
    std::string lower;
    lower.reserve(s.size());
    for (char c : s)
        lower += LowerAsciiChar(c);
    return lower;
}

ReadableIniText KeepReadableLines(std::string_view bytes) {
    ReadableIniText out;
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    bool sectionBroken = false;
    while (!bytes.empty()) {
        std::size_t end = bytes.find_first_of("\r\n");
        const std::string_view line = bytes.substr(0, end);
        if (end == std::string_view::npos) {
            bytes = {};
        } else {
            end += (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1;
            bytes.remove_prefix(end);
        }
        const std::string_view body = Trim(line);
        bool readable = IsReadableText(line) && !body.starts_with(kByteOrderMark);
        if (readable && !body.empty() && body[0] != ';' && body[0] != '#') {
            if (body[0] == '[') {
                readable = body.find(']') != std::string_view::npos;
                sectionBroken = !readable;
            } else {
                const std::size_t eq = body.find('=');
                readable = !sectionBroken && eq != std::string_view::npos && eq > 0;
            }
        } else if (!readable && body.starts_with('[')) {
            sectionBroken = true;
        }
        if (!readable) {
            out.damaged = true;
            continue;
        }
        out.text.append(line);
        out.text += '\n';
    }
    return out;
}

bool IniCanStore(std::string_view section, std::string_view key, std::string_view value) {
    const auto trimmed = [](std::string_view name) { return Trim(name) == name; };
    return !HasControlCharacter(section) && !HasControlCharacter(key) &&
           !HasControlCharacter(value) && trimmed(section) && trimmed(key) &&
           section.find(']') == std::string_view::npos && !key.empty() &&
           key.find('=') == std::string_view::npos && key[0] != ';' && key[0] != '#' &&
           key[0] != '[';
}

std::string IniValueOnDisk(std::string_view cp1252) {
    const std::string value = Cp1252ToUtf8(cp1252);
    const bool quote =
        !value.empty() && (IsIniSpace(value.front()) || IsIniSpace(value.back()) ||
                           (value.size() >= 2 && value.front() == '"' && value.back() == '"'));
    return quote ? '"' + value + '"' : value;
}

std::string IniValueInMemory(std::string_view onDisk) {
    if (onDisk.size() >= 2 && onDisk.front() == '"' && onDisk.back() == '"')
        onDisk = onDisk.substr(1, onDisk.size() - 2);
    return Utf8ToCp1252(onDisk);
}

}  // namespace zelkor
