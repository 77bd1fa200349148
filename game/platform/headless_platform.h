#pragma once

#include "game/control/headless/headless.h"
#include "game/platform/archive_readers.h"
#include "game/platform/sdl_pictures.h"
#include "game/platform/sdl_text.h"

namespace zelkor {

// The platform's file services for headless runs: the game's archive readers,
// bitmap decoder and system-font text, so a headless run is drawn as the game is.
struct PlatformForHeadless {
    LibraryArchiveReaders archives;
    SdlPictureFiles pictures;
    SdlTextRenderer text;

    HeadlessPlatform services() { return {archives, pictures, text}; }
};

// A headless run with the platform's services.
inline int RunHeadless(const ProgramOptions& options) {
    PlatformForHeadless platform;
    return RunHeadless(options, platform.services());
}

}  // namespace zelkor
