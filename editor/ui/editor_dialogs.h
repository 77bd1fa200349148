#pragma once

#include <QString>

class QWidget;

namespace zelkor::editor {

// The message boxes and file dialogs the editor shows. The windows ask through this
// interface, so tests can answer in their place.
class EditorDialogs {
public:
    enum class Icon { None, Information, Warning, Critical, Question };

    virtual ~EditorDialogs() = default;
    // A message with an OK button.
    virtual void Message(QWidget* parent, const QString& title, const QString& text, Icon icon) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool Ask(QWidget* parent, const QString& title, const QString& text, Icon icon) = 0;
    // Unsaved changes before they would be lost: Save, Discard or Cancel.
    enum class Unsaved { Save, Discard, Cancel };
    virtual Unsaved AskUnsaved(QWidget* parent, const QString& title, const QString& text) = 0;
    // A file to open or save; empty when the dialog was cancelled. The dialog starts at
    // `start`: a folder, or a file it proposes (empty: the dialog's own choice).
    virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& start) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& start) = 0;
};

// The real dialogs: QMessageBox and QFileDialog.
class QtEditorDialogs final : public EditorDialogs {
public:
    void Message(QWidget* parent, const QString& title, const QString& text, Icon icon) override;
    bool Ask(QWidget* parent, const QString& title, const QString& text, Icon icon) override;
    Unsaved AskUnsaved(QWidget* parent, const QString& title, const QString& text) override;
    QString OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& start) override;
    QString SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& start) override;
};

// The title of the editor's own messages.
inline const char* const kEditorTitle = "ZelkorLvlEdit";

}  // namespace zelkor::editor
