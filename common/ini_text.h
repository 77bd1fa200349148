#pragma once

// The text rules of the settings file: which lines an INI reader understands, how
// names compare, and how a value in memory (Windows-1252) is written on disk (UTF-8)
// and read back.
#include <string>
#include <string_view>

namespace zelkor {

// Section and key names ignore letter case (ASCII letters only).
bool SameIniName(std::string_view a, std::string_view b);
std::string LowerAscii(std::string_view s);

struct ReadableIniText {
    std::string text;  // the readable lines only
    bool damaged = false;
};

// Keeps the lines the INI reader understands: blank lines, comments, section headers
// and "key=value". Anything else makes the file damaged and is left out, and so are
// the settings under a broken section header, which would otherwise land in the
// section before it. A byte order mark counts only at the start of the file: a line
// that begins with one elsewhere would, written back first, lose it and change.
ReadableIniText KeepReadableLines(std::string_view bytes);

// Whether a setting (Windows-1252 text) can be stored as a line that reads back as the
// same section, key and value. A line holds no line breaks or other control
// characters; a key needs a name, holds no '=' and does not start like a comment or a
// section; a section name holds no ']'; names have no blanks at either end.
bool IniCanStore(std::string_view section, std::string_view key, std::string_view value);

// Values on disk: the INI reader drops blanks at either end of a value, so a value
// that has any is written in double quotes, and so is a value that is itself enclosed
// in double quotes; reading takes off one enclosing pair. Only values that
// IniCanStore accepts come back as they were.
std::string IniValueOnDisk(std::string_view cp1252);
std::string IniValueInMemory(std::string_view onDisk);

}  // namespace zelkor
