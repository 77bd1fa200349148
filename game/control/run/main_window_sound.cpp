// The main window's part in sound: loading the effects at start-up.
#include "game/control/run/main_window.h"

namespace zelkor {

AudioHooks MainWindow::MakeAudioHooks() {
    return {[this](std::string_view text) { ConsolePrint(text); },
            [this](std::string_view gamePath) { return s_.files.File(gamePath); }};
}

void MainWindow::ZkCreateSounds() {
    ConsolePrint("ZkCreateSounds: Decompressing snd.zkr");
    game_.startup.loadingLabel = "Unextracting Sounds...";
    game_.progress.total = 5;
    game_.progress.base = 0;
    s_.archives.Unextract("snd.zkr", "\\", kArchivePassword);
    ConsolePrint("ZkCreateSounds: All Done!");
    game_.startup.loadingLabel = "Buffering Sounds...";
    // Without a sound device nothing is loaded, so a missing effect cannot end
    // a game that would run silent anyway.
    if (!game_.sound.deviceReady) return;
    for (std::string_view path : kStartupEffects) {
        if (effects_.ZkLoadSound(path) == 0) {
            EndProgram(1);
            return;
        }
    }
}

}  // namespace zelkor
