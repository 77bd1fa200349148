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
    SDL_AddEventWatch(&SdlKeyboard::Watch, this);
    controllers_.Open();  // a game without controllers still has its keyboard
    return true;
}

void SdlKeyboard::DI_Release() {
    if (!opened_) return;
    controllers_.Close();
    SDL_DelEventWatch(&SdlKeyboard::Watch, this);
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
    opened_ = false;
}

std::string SdlKeyboard::KeyLabel(int code) const {
    const int scancode = SdlScancodeOf(code);
    if (scancode == 0) return {};
    return SDL_GetKeyName(SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(scancode)));
}

int SdlKeyboard::Watch(void* self, SDL_Event* event) {
    if (event->type != SDL_KEYDOWN || event->key.repeat != 0) return 0;
    // Alt+Enter belongs to the window.
    const SDL_Scancode scancode = event->key.keysym.scancode;
    const bool enter = scancode == SDL_SCANCODE_RETURN || scancode == SDL_SCANCODE_KP_ENTER;
    if (enter && (event->key.keysym.mod & KMOD_ALT) != 0) return 0;
    const std::uint8_t code = SetOneCode(scancode);
    if (code == 0) return 0;
    auto& keyboard = *static_cast<SdlKeyboard*>(self);
    const std::lock_guard lock(keyboard.wentDownLock_);
    keyboard.wentDown_[code] = 0x80;
    keyboard.pressed_.Add(code);
    return 0;
}

void SdlKeyboard::Poll(KeySnapshot& snapshot, KeyPresses& presses) {
    if (!opened_) {
        snapshot.fill(0);
        return;
    }
    SDL_PumpEvents();
    int count = 0;
    const std::uint8_t* state = SDL_GetKeyboardState(&count);
    FillSnapshot(state, count, snapshot);
    {
        const std::lock_guard lock(wentDownLock_);
        for (std::size_t k = 0; k < snapshot.size(); ++k)
            snapshot[k] = static_cast<std::uint8_t>(snapshot[k] | wentDown_[k]);
        wentDown_.fill(0);
        for (std::size_t n = 0; n < pressed_.count; ++n)
            presses.Add(pressed_.codes[n]);
        pressed_.Clear();
    }
    constexpr int kEnter = 28, kPadEnter = 156, kLeftAlt = 56, kRightAlt = 184;
    const bool enter = snapshot[kEnter] != 0 || snapshot[kPadEnter] != 0;
    if (enter && (snapshot[kLeftAlt] != 0 || snapshot[kRightAlt] != 0)) enterTaken_ = true;
    if (!enter) enterTaken_ = false;
    if (enterTaken_) snapshot[kEnter] = snapshot[kPadEnter] = 0;
    controllers_.AddHeldKeys(snapshot, presses);
}

}  // namespace zelkor
