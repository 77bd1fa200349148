#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "game/control/input/key_handler.h"
#include "game/control/input/key_maps.h"
#include "game/platform/scancode_table.h"
#include "game/platform/sdl_keyboard.h"
#include "game/rules/physical_keys.h"

namespace zelkor {
namespace {

TEST(SetOneCode, TheGamesKeysAndEveryOtherKeyOfA105KeyKeyboardHaveTheirCode) {
    const std::pair<SDL_Scancode, int> keys[] = {{SDL_SCANCODE_ESCAPE, key::Escape},
                                                 {SDL_SCANCODE_BACKSPACE, key::Backspace},
                                                 {SDL_SCANCODE_RETURN, key::Enter},
                                                 {SDL_SCANCODE_LSHIFT, key::LeftShift},
                                                 {SDL_SCANCODE_RSHIFT, key::RightShift},
                                                 {SDL_SCANCODE_F1, key::F1},
                                                 {SDL_SCANCODE_F2, key::F2},
                                                 {SDL_SCANCODE_F3, key::F3},
                                                 {SDL_SCANCODE_F4, key::F4},
                                                 {SDL_SCANCODE_PAUSE, key::Pause},
                                                 {SDL_SCANCODE_RIGHT, key::Right},
                                                 {SDL_SCANCODE_DOWN, key::Down},
                                                 {SDL_SCANCODE_KP_ENTER, 128 + 28},
                                                 {SDL_SCANCODE_NONUSBACKSLASH, 86},
                                                 {SDL_SCANCODE_F12, 88},
                                                 {SDL_SCANCODE_KP_7, 71}};
    for (const auto& [sdl, code] : keys)
        EXPECT_EQ(SetOneCode(sdl), code) << SDL_GetScancodeName(sdl);

    // The main block types what SDL prints on the key; the key map has nothing for "`",
    // and "#" names the ISO key left of Enter, which shares the backslash's code.
    int typed = 0;
    for (int sdl = 0; sdl < SDL_NUM_SCANCODES; ++sdl) {
        const std::string name = SDL_GetScancodeName(static_cast<SDL_Scancode>(sdl));
        if (name.size() != 1 || name == "`" || name == "#") continue;
        const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
        EXPECT_EQ(DI_KeyChar(SetOneCode(sdl), false, KeyMap::US), std::string(1, lower)) << name;
        ++typed;
    }
    EXPECT_EQ(typed, 46) << "letters, digits and ten punctuation keys";
    EXPECT_EQ(SetOneCode(SDL_SCANCODE_NONUSHASH), SetOneCode(SDL_SCANCODE_BACKSLASH));

    // 105 keys, one of them under two names; every other SDL key has no code.
    std::map<int, int> namesPerCode;
    for (int sdl = -1; sdl <= SDL_NUM_SCANCODES; ++sdl) {
        if (const int code = SetOneCode(sdl); code != 0) ++namesPerCode[code];
    }
    EXPECT_EQ(namesPerCode.size(), 105u);
    EXPECT_EQ(namesPerCode[43], 2);
    EXPECT_EQ(SetOneCode(SDL_SCANCODE_MUTE), 0);

    // Each of them has a name of its own for the settings file: plain ASCII, no ",".
    for (const auto& [code, count] : namesPerCode) {
        const std::string_view name = PhysicalKeyName(code);
        EXPECT_FALSE(name.empty()) << code;
        EXPECT_EQ(name.find_first_not_of(
                      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"),
                  std::string_view::npos)
            << name;
        EXPECT_EQ(PhysicalKeyCode(name), code) << name;
    }
    EXPECT_EQ(PhysicalKeyName(SetOneCode(SDL_SCANCODE_NONUSBACKSLASH)), "NonUSBackslash");
    // The page shows what the layout calls the key at that place (SDL knows it with a display).
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    const SdlKeyboard keyboard;
    EXPECT_EQ(keyboard.KeyLabel(30), "A");
    EXPECT_EQ(keyboard.KeyLabel(key::Left), "Left");
    EXPECT_EQ(keyboard.KeyLabel(43), "\\");
    EXPECT_EQ(keyboard.KeyLabel(0), "");
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

TEST(FillSnapshot, HeldKeysLandAtTheirPositionsCodeWhateverTheLayout) {
    std::array<std::uint8_t, SDL_NUM_SCANCODES> state{};
    state[SDL_SCANCODE_Z] = 1;     // the key a German layout prints "Y" on is still 44
    state[SDL_SCANCODE_UP] = 1;    // an extended key
    state[SDL_SCANCODE_MUTE] = 1;  // a key the game has no code for
    KeySnapshot snapshot;
    snapshot.fill(0x80);  // what the last poll left
    FillSnapshot(state.data(), static_cast<int>(state.size()), snapshot);
    for (int k = 0; k < 256; ++k) {
        EXPECT_EQ(snapshot[k] != 0, k == 44 || k == 200) << "code " << k;
    }
}

}  // namespace
}  // namespace zelkor
