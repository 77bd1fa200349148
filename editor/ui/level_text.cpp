#include "editor/ui/level_text.h"

#include "common/text_encoding.h"

namespace zelkor::editor {

std::string ToLevelText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString FromLevelText(std::string_view text) {
    const std::string utf8 = Cp1252ToUtf8(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool FitsLevelText(const QString& text) {
    return FirstCharacterThatDoesNotFit(text).isEmpty();
}

QString FirstCharacterThatDoesNotFit(const QString& text) {
    // A character without a Windows-1252 byte comes back as '?'.
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (FromLevelText(ToLevelText(character)) != character) return character;
        i += length;
    }
    return {};
}

}  // namespace zelkor::editor
