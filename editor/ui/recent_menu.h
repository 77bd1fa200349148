#pragma once

#include <QMenu>
#include <filesystem>
#include <functional>
#include <vector>

namespace zelkor::editor {

// The File menu's "Recent Levels": one entry per level, newest first, its file name
// with its folder beside it. An entry whose file is gone is drawn greyed, yet can still
// be chosen, so that the window can say so and take it off the list.
class RecentMenu final : public QMenu {
    Q_OBJECT

public:
    using Open = std::function<void(const std::filesystem::path&)>;

    RecentMenu(const QString& title, Open open, QWidget* parent);

    // Builds the entries again, each file looked for now.
    void Fill(const std::vector<std::filesystem::path>& files);

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;

private:
    Open open_;
};

}  // namespace zelkor::editor
