#include "editor/ui/game_launcher.h"

#include <QFileInfo>
#include <QProcess>

namespace zelkor::editor {

LaunchResult LaunchGame(const QString& program, const QStringList& arguments,
                        const QString& folder) {
    const QFileInfo info(program);
    if (!info.exists()) return {false, "The file does not exist."};
    if (!info.isFile()) return {false, "It is not a file."};
    if (!info.isExecutable()) return {false, "The file is not a program that may be run."};
    QProcess process;
    process.setProgram(info.absoluteFilePath());
    process.setArguments(arguments);
    process.setWorkingDirectory(folder);
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached()) return {false, process.errorString()};
    return {true, {}};
}

}  // namespace zelkor::editor
