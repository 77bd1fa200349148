#include "editor/ui/text_binding.h"

#include <QLineEdit>

#include "editor/ui/level_text.h"

namespace zelkor::editor {

void BindLevelText(QLineEdit* edit, std::string& text, std::function<void()> edited,
                   std::function<void(const QString&)> refused) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [=, &text](const QString& typed) {
        const QString bad = FirstCharacterThatDoesNotFit(typed);
        if (bad.isEmpty()) {
            text = ToLevelText(typed);
            if (edited) edited();
            return;
        }
        const int cursor = edit->cursorPosition();
        const QString kept = FromLevelText(text);
        edit->setText(kept);
        edit->setCursorPosition(
            std::max(0, std::min<int>(cursor - int(bad.size()), int(kept.size()))));
        if (refused) refused(bad);
    });
}

QString RefusedCharacterMessage(const QString& character) {
    return QString("The character \"%1\" cannot be stored in a level file.").arg(character);
}

}  // namespace zelkor::editor
