#pragma once

#include <string>
#include <string_view>

namespace zelkor {

// Text in memory is single bytes of the Windows-1252 code page (level files, names,
// everything drawn); the settings file and JSON documents hold UTF-8. These two
// convert at that boundary.
//
// The five bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// become the control characters of the same number, so every byte survives a
// round trip.

std::string Cp1252ToUtf8(std::string_view cp1252);

// Characters that have no Windows-1252 byte become '?'; so does each broken piece of
// UTF-8 (a stray byte, a cut-off or overlong sequence, a surrogate).
std::string Utf8ToCp1252(std::string_view utf8);

// True when the text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

}  // namespace zelkor
