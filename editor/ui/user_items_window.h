#pragma once

#include <QWidget>
#include <functional>

#include "editor/core/user_items.h"

class QComboBox;
class QListWidget;

namespace zelkor::editor {

class EditorDialogs;

// "User defined Items:": up to 26 items, each with a letter (fixed by its slot), a
// type and a graphics name; "Select" paints with an item's letter.
class UserItemsWindow final : public QWidget {
    Q_OBJECT

public:
    UserItemsWindow(UserItems& items, EditorDialogs& dialogs, QWidget* parent);

    // `RedrawList`: the list shows the used slots again.
    void RedrawList();

    std::function<void()> onEdited;             // an item was added or removed
    std::function<void(char letter)> onSelect;  // paint with this letter
    std::function<void(const QString& character)> onRefused;

private:
    void Add();
    void Select();
    void Remove();

    UserItems& items_;
    EditorDialogs& dialogs_;
    QComboBox* type_ = nullptr;
    QComboBox* gfx_ = nullptr;
    QListWidget* list_ = nullptr;
};

// "Requred Files:": up to 32 files the level needs, such as the archives of its
// graphics.
class RequiredFilesWindow final : public QWidget {
    Q_OBJECT

public:
    RequiredFilesWindow(RequiredFiles& files, EditorDialogs& dialogs, QWidget* parent);

    void RedrawList();

    std::function<void()> onEdited;
    std::function<void(const QString& character)> onRefused;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Add();
    void Remove();

    RequiredFiles& files_;
    EditorDialogs& dialogs_;
    QComboBox* file_ = nullptr;
    QListWidget* list_ = nullptr;
};

}  // namespace zelkor::editor
