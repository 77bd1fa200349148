#include "editor/ui/user_items_window.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/core/editor_level.h"
#include "editor/ui/editor_dialogs.h"
#include "editor/ui/level_text.h"

namespace zelkor::editor {
namespace {

// An editable list whose typed text must fit a level file.
QComboBox* EditableList(const char* name, const auto& entries, std::string_view start,
                        std::function<void(const QString&)>& refused) {
    auto* list = new QComboBox;
    list->setObjectName(name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    for (std::string_view entry : entries)
        list->addItem(FromLevelText(entry));
    list->setEditText(FromLevelText(start));
    list->setMinimumContentsLength(22);
    QLineEdit* edit = list->lineEdit();
    auto last = std::make_shared<QString>(edit->text());
    QObject::connect(edit, &QLineEdit::textChanged, list, [edit, last, &refused](const QString& t) {
        const QString bad = FirstCharacterThatDoesNotFit(t);
        if (bad.isEmpty()) {
            *last = t;
            return;
        }
        edit->setText(*last);
        if (refused) refused(bad);
    });
    return list;
}

QPushButton* Button(const char* name, const char* caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    return button;
}

QString SelectedEntry(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

}  // namespace

UserItemsWindow::UserItemsWindow(UserItems& items, EditorDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Tool), items_(items), dialogs_(dialogs) {
    setObjectName("Dialog2");
    setWindowTitle("User defined Items:");
    type_ = EditableList("cboType", kUserItemTypes, kUserItemTypes[0], onRefused);
    gfx_ = EditableList("cboGfx", kUserItemGfx, kStartGfx, onRefused);
    list_ = new QListWidget;
    list_->setObjectName("lstItems");
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { Select(); });

    auto* form = new QFormLayout;
    form->addRow("Type:", type_);
    form->addRow("Gfx:", gfx_);
    auto* buttons = new QHBoxLayout;
    QPushButton* add = Button("cmdAdd", "Add");
    QPushButton* select = Button("cmdSelect", "Select");
    QPushButton* remove = Button("cmdRemove", "Remove");
    QPushButton* ok = Button("cmdOK", "OK");
    for (QPushButton* b : {add, select, remove, ok})
        buttons->addWidget(b);
    connect(add, &QPushButton::clicked, this, [this] { Add(); });
    connect(select, &QPushButton::clicked, this, [this] { Select(); });
    connect(remove, &QPushButton::clicked, this, [this] { Remove(); });
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    RedrawList();
}

void UserItemsWindow::RedrawList() {
    list_->clear();
    for (const std::string& entry : items_.Entries())
        list_->addItem(FromLevelText(entry));
}

void UserItemsWindow::Add() {
    if (!items_.Add({ToLevelText(type_->currentText()), ToLevelText(gfx_->currentText())})) {
        dialogs_.Message(this, kEditorTitle, QString::fromUtf8(UserItems::kFullMessage),
                         EditorDialogs::Icon::None);
        return;
    }
    RedrawList();
    if (onEdited) onEdited();
}

void UserItemsWindow::Select() {
    const QString entry = SelectedEntry(list_);
    if (entry.isEmpty()) return;
    if (const auto letter = UserItems::LetterOfEntry(ToLevelText(entry)); letter && onSelect)
        onSelect(*letter);
}

void UserItemsWindow::Remove() {
    const QString entry = SelectedEntry(list_);
    if (entry.isEmpty()) return;
    items_.Remove(ToLevelText(entry));
    RedrawList();
    if (onEdited) onEdited();
}

RequiredFilesWindow::RequiredFilesWindow(RequiredFiles& files, EditorDialogs& dialogs,
                                         QWidget* parent)
    : QWidget(parent, Qt::Tool), files_(files), dialogs_(dialogs) {
    setObjectName("Dialog3");
    setWindowTitle("Requred Files:");
    file_ = EditableList("cboFile", kOfferedRequiredFiles, "", onRefused);
    list_ = new QListWidget;
    list_->setObjectName("lstFiles");
    list_->setDragEnabled(true);
    list_->setDragDropMode(QAbstractItemView::DragOnly);
    list_->installEventFilter(this);

    // Dropping a dragged entry onto the frame around the list removes it.
    auto* frame = new QGroupBox("User defined GFX Packs:");
    frame->setObjectName("fraPacks");
    frame->setAcceptDrops(true);
    frame->installEventFilter(this);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(list_);

    auto* form = new QFormLayout;
    form->addRow("File:", file_);
    auto* buttons = new QHBoxLayout;
    QPushButton* add = Button("cmdAdd", "Add");
    QPushButton* remove = Button("cmdRemove", "Remove");
    QPushButton* ok = Button("Command4", "OK");
    for (QPushButton* b : {add, remove, ok})
        buttons->addWidget(b);
    connect(add, &QPushButton::clicked, this, [this] { Add(); });
    connect(remove, &QPushButton::clicked, this, [this] { Remove(); });
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    RedrawList();
}

void RequiredFilesWindow::RedrawList() {
    list_->clear();
    for (const std::string& entry : files_.Entries())
        list_->addItem(FromLevelText(entry));
}

void RequiredFilesWindow::Add() {
    switch (files_.Add(ToLevelText(file_->currentText()))) {
        case RequiredFiles::AddResult::Full:
            dialogs_.Message(this, kEditorTitle, QString::fromUtf8(RequiredFiles::kFullMessage),
                             EditorDialogs::Icon::None);
            return;
        case RequiredFiles::AddResult::Empty:
            return;
        case RequiredFiles::AddResult::Added:
            break;
    }
    RedrawList();
    if (onEdited) onEdited();
}

void RequiredFilesWindow::Remove() {
    const QString entry = SelectedEntry(list_);
    if (entry.isEmpty()) return;
    files_.Remove(ToLevelText(entry));
    RedrawList();
    if (onEdited) onEdited();
}

bool RequiredFilesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        Remove();
        return true;
    }
    if (watched != list_ && event->type() == QEvent::DragEnter) {
        auto* drag = static_cast<QDragEnterEvent*>(event);
        if (drag->source() == list_) drag->acceptProposedAction();
        return true;
    }
    if (watched != list_ && event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (drop->source() == list_) {
            drop->acceptProposedAction();
            Remove();
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zelkor::editor
