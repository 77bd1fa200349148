#include "game/platform/sdl_keyboard.h"

#include <SDL2/SDL.h>

#include "game/platform/scancode_table.h"

namespace zelkor {

void FillSnapshot(const std::uint8_t* sdlState, int sdlKeyCount, KeySnapshot& snapshot) {
    snapshot.fill(0);
    for (int sdl = 0; sdl < sdlKeyCount; ++sdl) {
        if (sdlState[sdl] == 0) continue;
        if (const std::uint8_t code = SetOneCode(sdl); code != 0) snapshot[code] = 0x80;
    }
}

SdlKeyboard::~SdlKeyboard() {
    DI_Release();
}

bool SdlKeyboard::DI_Init(KeyboardStartError& error) {
    if (opened_) return true;
    if (const int result = SDL_InitSubSystem(SDL_INIT_EVENTS); result != 0) {
        error = {result, SDL_GetError()};
        return false;
    }
    opened_ = true;
    controllers_.Open();  // a game without controllers still has its keyboard
    return true;
}

void SdlKeyboard::DI_Release() {
    if (!opened_) return;
    controllers_.Close();
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
    opened_ = false;
}

void SdlKeyboard::Poll(KeySnapshot& snapshot) {
    if (!opened_) {
        snapshot.fill(0);
        return;
    }
    SDL_PumpEvents();
    int count = 0;
    const std::uint8_t* state = SDL_GetKeyboardState(&count);
    FillSnapshot(state, count, snapshot);
    constexpr int kEnter = 28, kPadEnter = 156, kLeftAlt = 56, kRightAlt = 184;
    const bool enter = snapshot[kEnter] != 0 || snapshot[kPadEnter] != 0;
    if (enter && (snapshot[kLeftAlt] != 0 || snapshot[kRightAlt] != 0)) enterTaken_ = true;
    if (!enter) enterTaken_ = false;
    if (enterTaken_) snapshot[kEnter] = snapshot[kPadEnter] = 0;
    controllers_.AddHeldKeys(snapshot);
}

}  // namespace zelkor
