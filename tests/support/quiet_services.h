#pragma once

// A game that nobody watches or hears, for tests and benchmarks that run the game's own
// code around a world they set up.
#include <cstdint>

#include "common/archive_reader.h"
#include "common/settings_store.h"
#include "game/control/run/game_setup.h"
#include "game/control/run/message_box.h"
#include "game/platform/sdl_pictures.h"
#include "game/platform/sdl_text.h"

namespace zelkor::support {

// On a manual clock: scripted keys, no display, the game's own picture files and text
// (what it draws is what the player would see), silent sound and music, settings in
// memory, boxes on standard error. The window's events and the archive readers are the
// caller's; sound, music and settings may be pointed elsewhere before `Services`.
struct QuietServices {
    explicit QuietServices(std::int64_t startMs = 0) : clock(startMs) {}

    GameServices Services(WindowEvents& events, ArchiveReaderFactory& archives) {
        return {clock,  keyboard, events,    display,    pictures, text,
                *sound, *music,   *settings, messageBox, archives};
    }

    ManualClock clock;
    ScriptedKeyboard keyboard{clock};
    NullDisplay display;
    SdlPictureFiles pictures;
    SdlTextRenderer text;
    SilentSound silentSound;
    SilentMusic silentMusic;
    MemorySettingsStore memorySettings;
    NullMessageBox messageBox;
    SoundDevice* sound = &silentSound;
    MusicPlayer* music = &silentMusic;
    SettingsStore* settings = &memorySettings;
};

}  // namespace zelkor::support
