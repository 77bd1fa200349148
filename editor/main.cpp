// ZelkorLvlEdit: the level editor, or with --resave a batch converter into the
// editor's layout that opens no window.
#include <QApplication>
#include <QIcon>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "common/game_folder.h"
#include "common/settings_store.h"
#include "editor/core/editor_settings.h"
#include "editor/core/resave.h"
#include "editor/ui/editor_dialogs.h"
#include "editor/ui/main_window.h"

namespace {

constexpr const char* kUsage =
    "Usage: ZelkorLvlEdit [--settings FILE] [LEVEL]\n"
    "       ZelkorLvlEdit [--settings FILE] --resave IN OUT\n"
    "\n"
    "  LEVEL             a level file to open at once, as \"Load...\" opens it\n"
    "  --settings FILE   keep the settings in FILE instead of the shared settings file\n"
    "  --resave IN OUT   read the level IN as the editor loads it and write it to OUT in\n"
    "                    the editor's layout, without opening a window; the level keeps\n"
    "                    its author. Exit status 0, or 1 with the reason on stderr.\n";

struct Options {
    std::optional<std::string> settingsFile;
    std::optional<std::pair<std::string, std::string>> resave;
    std::vector<std::string> levels;
    bool help = false;
    std::string error;
};

Options Mistake(std::string error) {
    Options o;
    o.error = std::move(error);
    return o;
}

// Our options; other options are left for Qt. Read again after Qt took its own, with
// their values, so that a value is never taken for the level.
Options ReadOptions(const std::vector<std::string>& argv) {
    Options o;
    const auto argc = static_cast<int>(argv.size());
    for (int i = 1; i < argc; ++i) {
        const std::string& arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--settings") {
            if (i + 1 >= argc) return Mistake("--settings needs a file");
            o.settingsFile = argv[++i];
        } else if (arg == "--resave") {
            if (i + 2 >= argc)
                return Mistake("--resave needs the level to read and the file to write");
            o.resave.emplace(argv[i + 1], argv[i + 2]);
            i += 2;
        } else if (arg.starts_with("--")) {
            return Mistake("unknown option " + arg);
        } else if (!arg.starts_with("-")) {
            o.levels.push_back(arg);
        }
    }
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace zelkor;
    const Options options = ReadOptions(std::vector<std::string>(argv, argv + argc));
    if (options.help) {
        std::cout << kUsage;
        return 0;
    }
    if (!options.error.empty()) {
        std::cerr << "ZelkorLvlEdit: " << options.error << "\n\n" << kUsage;
        return 2;
    }
    IniSettingsStore settings(options.settingsFile ? std::filesystem::path(*options.settingsFile)
                                                   : DefaultSettingsFile());

    if (options.resave) {
        editor::EditorLevel start;
        start.fields.Author = editor::ReadEditorSettings(settings).author;
        return editor::RunResave(options.resave->first, options.resave->second, start, std::cerr);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("ZelkorLvlEdit");
    std::vector<std::string> left;
    for (const QString& arg : QApplication::arguments())
        left.push_back(arg.toStdString());
    const std::vector<std::string> levels = ReadOptions(left).levels;
    if (levels.size() > 1) {
        std::cerr << "ZelkorLvlEdit: one level at a time\n\n" << kUsage;
        return 2;
    }
    editor::QtEditorDialogs dialogs;
    const char* searchPath = std::getenv("PATH");
    editor::MainWindow window({settings, dialogs, ProgramFolder(), searchPath ? searchPath : ""});
    window.show();
    window.Start(levels.empty() ? std::nullopt
                                : std::optional<std::filesystem::path>(levels.front()));
    return QApplication::exec();
}
