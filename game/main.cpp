// Zelkor: wires the platform services into the game and runs it.
#include <iostream>
#include <memory>
#include <string_view>
#include <vector>

#include "common/settings_store.h"
#include "game/control/check_level.h"
#include "game/control/command_line.h"
#include "game/control/headless.h"
#include "game/control/message_box.h"
#include "game/control/program_options.h"
#include "game/control/settings.h"
#include "game/control/startup_checks.h"
#include "game/platform/archive_readers.h"
#include "game/platform/sdl_message_box.h"
#include "game/rules/game.h"

namespace {

using namespace zelkor;

// A headless run keeps its settings in memory and forgets them at the end.
std::unique_ptr<SettingsStore> OpenSettings(const ProgramOptions& options) {
    if (options.headless) return std::make_unique<MemorySettingsStore>();
    return std::make_unique<IniSettingsStore>(options.settingsFile.value_or(DefaultSettingsFile()));
}

std::unique_ptr<MessageBoxService> OpenMessageBoxes(const ProgramOptions& options) {
    if (options.headless) return std::make_unique<NullMessageBox>();
    return std::make_unique<SdlMessageBox>();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const ParsedProgramOptions parsed = ParseProgramOptions(args, ProgramFolder());
    if (!parsed.ok()) {
        std::cerr << "Zelkor: " << parsed.error << '\n' << ProgramUsage();
        return 2;
    }
    const ProgramOptions& options = parsed.options;
    if (options.help) {
        std::cout << ProgramUsage();
        return 0;
    }
    if (options.checkLevel) {
        LibraryArchiveReaders archives;
        return RunCheckLevel(*options.checkLevel, options.gameDir, std::cout, &archives);
    }
    if (options.headless) {
        HeadlessOptions headless;
        headless.gameDir = options.gameDir;
        headless.settingsFile = options.settingsFile;
        headless.seed = static_cast<std::int64_t>(options.seed.value_or(0));
        headless.frameMs = options.frameMs.value_or(16);
        headless.runMs = options.runMs.value_or(60000);
        headless.keysFile = options.keysFile;
        headless.dumpFile = options.dumpFile;
        headless.commandLine = options.commandLine;
        LibraryArchiveReaders archives;
        return RunHeadless(headless, archives);
    }

    const auto settings = OpenSettings(options);
    const auto messageBoxes = OpenMessageBoxes(options);
    ManualClock clock;  // the start-up checks read no time
    const auto game = std::make_unique<Game>(clock);

    game->run.keyMap = "US";
    LoadSettings(*game, *settings);
    if (!RunLevelFolderCheck(options.gameDir, *messageBoxes)) return 1;
    const CommandServices services{options.gameDir, *settings, *messageBoxes};
    if (ApplyCommandLine(*game, options.commandLine, services) == SwitchResult::EndProgram)
        return 1;
    return 0;
}
