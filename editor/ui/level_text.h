#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace zelkor::editor {

// Level files hold 8-bit Windows-1252 text; the windows show Unicode.
std::string ToLevelText(const QString& text);
QString FromLevelText(std::string_view text);

// True when every character of `text` has a Windows-1252 byte, so that a level file
// can hold it.
bool FitsLevelText(const QString& text);

// The first character of `text` that a level file cannot hold, or an empty text.
QString FirstCharacterThatDoesNotFit(const QString& text);

}  // namespace zelkor::editor
