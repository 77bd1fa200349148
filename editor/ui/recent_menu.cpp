#include "editor/ui/recent_menu.h"

#include <QStyleOptionMenuItem>
#include <system_error>

namespace zelkor::editor {
namespace {

const char* const kGoneProperty = "zelkorGone";

QString Text(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

}  // namespace

RecentMenu::RecentMenu(const QString& title, Open open, QWidget* parent)
    : QMenu(title, parent), open_(std::move(open)) {
    setObjectName("mnuRecent");
    setEnabled(false);
}

void RecentMenu::Fill(const std::vector<std::filesystem::path>& files) {
    // Later, not at once: the entry that was chosen may be the one still at work.
    for (QAction* old : actions()) {
        removeAction(old);
        old->deleteLater();
    }
    int number = 0;
    for (const std::filesystem::path& file : files) {
        // "&1 level.dat" and, in the column of the shortcuts, its folder.
        QString name = Text(file.filename());
        name.replace('&', "&&");
        QAction* entry = addAction(QString("&%1 %2\t%3")
                                       .arg(++number)
                                       .arg(name, Text(file.parent_path()).replace('&', "&&")));
        entry->setStatusTip(Text(file));
        std::error_code ec;
        entry->setProperty(kGoneProperty, !std::filesystem::is_regular_file(file, ec));
        connect(entry, &QAction::triggered, this, [this, file] { open_(file); });
    }
    setEnabled(!files.empty());
}

void RecentMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenu::initStyleOption(option, action);
    if (action->property(kGoneProperty).toBool()) {
        option->state &= ~QStyle::State_Enabled;
        option->palette.setCurrentColorGroup(QPalette::Disabled);
    }
}

}  // namespace zelkor::editor
