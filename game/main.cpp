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
#include "game/control/watch/played_replay.h"
#include "game/control/watch/window_replay_viewer.h"
#include "game/platform/archive_readers.h"
#include "game/platform/headless_platform.h"
#include "game/platform/sdl_audio.h"
#include "game/platform/sdl_keyboard.h"
#include "game/platform/sdl_message_box.h"
#include "game/platform/sdl_window.h"
#include "game/platform/user_folders.h"

namespace {

using namespace zelkor;

// The window's own services, shared by the game and the replays watched in it.
struct WindowServices {
    explicit WindowServices(const ProgramOptions& options) : window(options.window) {}

    // Replays watched in the window, from the game folder of `files`; each plays with sound
    // and music of its own.
    WindowReplayViewer Viewer(const GameFiles& files) {
        return WindowReplayViewer({window, keyboard, window, clock}, files,
                                  [this, &files](const Replay& replay, ReplayWatch& watch) {
                                      SdlSound sound(mixer);
                                      SdlMusic music(mixer);
                                      return PlayWatchedReplay(
                                          replay, files.folder(), watch,
                                          {clock, pictureFiles, text, sound, music, readers});
                                  });
    }

    SdlMessageBox messageBox;
    SteadyClock clock;
    SdlWindow window;
    SdlKeyboard keyboard;
    SdlPictureFiles pictureFiles;
    SdlTextRenderer text;
    SdlMixer mixer;
    LibraryArchiveReaders readers;
};

// The game in its window, until it is quit.
int RunGame(const ProgramOptions& options) {
    IniSettingsStore settings(options.settingsFile.value_or(DefaultSettingsFile()));
    if (options.newInstalledVersion) MarkNewInstall(settings);
    WindowServices w(options);
    SdlSound sound(w.mixer);
    SdlMusic music(w.mixer);
    // Every game is recorded; the shelf in the game folder keeps its replay as it ends.
    GameSetup setup(GameServices{w.clock, w.keyboard, w.window, w.window, w.pictureFiles, w.text,
                                 sound, music, settings, w.messageBox, w.readers},
                    options.gameDir, ReplaySession{true, nullptr, nullptr, {}, {}});
    setup.window().SetPicturesFolder(UserPicturesFolder());
    WindowReplayViewer viewer = w.Viewer(setup.files());
    setup.window().SetReplayViewer(viewer);
    return setup.Run(options.commandLine);
}

// Window events while nothing but a replay runs: its end is the program's.
class ReplayOnlyEvents final : public WindowEventSink {
public:
    void WindowClosed() override {}
    void Activated(bool) override {}
    void RunOver() override {}
};

// --replay FILE without --headless: the window shows the recorded game, then the program
// ends; a file that cannot be watched is said in a box, with status 2.
int WatchReplayFile(const ProgramOptions& options) {
    WindowServices w(options);
    KeyboardStartError error;
    if (!w.keyboard.DI_Init(error)) {
        w.messageBox.Show(MessageIcon::Critical, "Zelkor", kKeyboardStartFailedText);
        return 1;
    }
    const GameFiles files(options.gameDir);
    WindowReplayViewer viewer = w.Viewer(files);
    ReplayOnlyEvents events;
    const std::optional<std::string> refusal = viewer.Watch(*options.replayFile, events);
    if (!refusal) return 0;
    w.messageBox.Show(MessageIcon::Critical, "Zelkor", *refusal);
    return 2;
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
    if (options.replayFile) return WatchReplayFile(options);

    return RunGame(options);
}
