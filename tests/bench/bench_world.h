#pragma once

// A game on the null services, for timing the rules and the level loader.
#include <filesystem>

#include "common/settings_store.h"
#include "game/control/run/main_window.h"
#include "game/control/run/message_box.h"

namespace zelkor::bench {

struct BenchWorld {
    ManualClock clock{1'000'000};
    Game game{clock};
    NullKeyboard keyboard;
    Screen screen;
    NoWindowEvents events;
    SilentSound sound;
    SilentMusic music;
    MemorySettingsStore settings;
    NullArchiveService archives;
    NullMessageBox messageBox;
    GameFiles files{std::filesystem::path(ZELKOR_SOURCE_DIR) / "content"};
    MainWindow window{game, Services{keyboard, screen, events, sound, music, settings, messageBox,
                                     archives, files}};
};

}  // namespace zelkor::bench
