#include "editor/ui/editor_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace zelkor::editor {
namespace {

QMessageBox::Icon BoxIcon(EditorDialogs::Icon icon) {
    switch (icon) {
        case EditorDialogs::Icon::None:
            return QMessageBox::NoIcon;
        case EditorDialogs::Icon::Information:
            return QMessageBox::Information;
        case EditorDialogs::Icon::Warning:
            return QMessageBox::Warning;
        case EditorDialogs::Icon::Critical:
            return QMessageBox::Critical;
        case EditorDialogs::Icon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtEditorDialogs::Message(QWidget* parent, const QString& title, const QString& text,
                              Icon icon) {
    QMessageBox box(BoxIcon(icon), title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtEditorDialogs::Ask(QWidget* parent, const QString& title, const QString& text, Icon icon) {
    QMessageBox box(BoxIcon(icon), title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

EditorDialogs::Unsaved QtEditorDialogs::AskUnsaved(QWidget* parent, const QString& title,
                                                   const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return Unsaved::Save;
        case QMessageBox::Discard:
            return Unsaved::Discard;
        default:
            return Unsaved::Cancel;
    }
}

QString QtEditorDialogs::OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                      const QString& start) {
    return QFileDialog::getOpenFileName(parent, title, start, filter);
}

QString QtEditorDialogs::SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                      const QString& start) {
    QFileDialog dialog(parent, title, start, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("dat");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace zelkor::editor
