// Zelkor: wires the platform services into the game and runs it.
#include <iostream>
#include <string_view>
#include <vector>

#include "common/game_folder.h"
#include "common/settings_store.h"
#include "game/control/headless/check_level.h"
#include "game/control/headless/headless.h"
#include "game/control/options/command_line.h"
#include "game/control/options/program_options.h"
#include "game/control/options/settings.h"
#include "game/control/run/game_setup.h"
#include "game/control/run/message_box.h"
#include "game/control/run/startup_checks.h"
#include "game/control/run/steady_clock.h"
#include "game/platform/archive_readers.h"
#include "game/platform/headless_platform.h"
#include "game/platform/sdl_audio.h"
#include "game/platform/sdl_keyboard.h"
#include "game/platform/sdl_message_box.h"
#include "game/platform/sdl_window.h"
#include "game/platform/user_folders.h"

namespace {

using namespace zelkor;

// The game in its window, until it is quit.
int RunGame(const ProgramOptions& options) {
    IniSettingsStore settings(options.settingsFile.value_or(DefaultSettingsFile()));
    if (options.newInstalledVersion) MarkNewInstall(settings);
    SdlMessageBox messageBox;
    SteadyClock clock;
    SdlWindow window(options.window);
    SdlKeyboard keyboard;
    SdlPictureFiles pictureFiles;
    SdlTextRenderer text;
    SdlMixer mixer;
    SdlSound sound(mixer);
    SdlMusic music(mixer);
    LibraryArchiveReaders readers;
    // Every game is recorded; the shelf in the game folder keeps its replay as it ends.
    GameSetup setup(GameServices{clock, keyboard, window, window, pictureFiles, text, sound, music,
                                 settings, messageBox, readers},
                    options.gameDir, ReplaySession{true, nullptr, nullptr, {}});
    setup.window().SetPicturesFolder(UserPicturesFolder());
    return setup.Run(options.commandLine);
}

// The game folder when none was given: the program's own, or for an installed game the
// player's folder, prepared from the installed data first.
OpenedGameFolder OwnGameFolder() {
    OpenedGameFolder opened = OpenGameFolder(ProgramFolder() / "Zelkor");
    for (const std::string& problem : opened.problems)
        std::cerr << "Zelkor: " << problem << '\n';
    return opened;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const ParsedProgramOptions parsed = ParseProgramOptions(args, ProgramFolder());
    if (!parsed.ok()) {
        std::cerr << "Zelkor: " << parsed.error << '\n' << ProgramUsage();
        return 2;
    }
    ProgramOptions options = parsed.options;
    if (options.help) {
        std::cout << ProgramUsage();
        return 0;
    }
    if (!options.gameDirGiven) {
        const OpenedGameFolder own = OwnGameFolder();
        options.gameDir = own.folder;
        options.newInstalledVersion = own.newVersion;
    }
    if (options.checkLevel) {
        LibraryArchiveReaders archives;
        return RunCheckLevel(*options.checkLevel, options.gameDir, std::cout, &archives);
    }
    if (options.headless) return RunHeadless(options);

    return RunGame(options);
}
