#pragma once

#include <QString>
#include <functional>
#include <string>

class QLineEdit;

namespace zelkor::editor {

// Ties a line edit to a Windows-1252 text: every edit goes into `text`, except one
// that brings in a character a level file cannot hold, which is undone and reported
// to `refused` with that character.
void BindLevelText(QLineEdit* edit, std::string& text, std::function<void()> edited,
                   std::function<void(const QString&)> refused);

// The message for a refused character.
QString RefusedCharacterMessage(const QString& character);

}  // namespace zelkor::editor
