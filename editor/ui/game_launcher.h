#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace zelkor::editor {

struct LaunchResult {
    bool started = false;
    QString reason;  // why the game could not be started
};

// Starts the game program without waiting for it, in the game folder, with one
// switch per argument.
LaunchResult LaunchGame(const QString& program, const QStringList& arguments,
                        const QString& folder);
using GameLauncher = std::function<decltype(LaunchGame)>;

}  // namespace zelkor::editor
