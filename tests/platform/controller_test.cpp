#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "game/control/input/key_handler.h"
#include "game/platform/sdl_controllers.h"
#include "game/platform/sdl_keyboard.h"

namespace zelkor {
namespace {

std::vector<int> HeldCodes(const KeySnapshot& snapshot) {
    std::vector<int> held;
    for (int k = 0; k < 256; ++k) {
        if (snapshot[k] != 0) held.push_back(k);
    }
    return held;
}

std::vector<int> KeysFor(const ControllerReading& reading) {
    KeySnapshot snapshot{};
    AddControllerKeys(reading, snapshot);
    return HeldCodes(snapshot);
}

TEST(AddControllerKeys, ButtonsStandInForArrowsEnterEscapeAndPauseBesideTheKeyboard) {
    EXPECT_EQ(KeysFor({.a = true}), std::vector<int>{key::Enter});
    EXPECT_EQ(KeysFor({.b = true}), std::vector<int>{key::Escape});
    EXPECT_EQ(KeysFor({.back = true}), std::vector<int>{key::Escape});
    EXPECT_EQ(KeysFor({.start = true}), std::vector<int>{key::Pause});
    EXPECT_EQ(KeysFor({.dpadUp = true, .dpadLeft = true}), (std::vector<int>{key::Up, key::Left}));
    EXPECT_EQ(KeysFor({.dpadDown = true, .dpadRight = true}),
              (std::vector<int>{key::Right, key::Down}));
    EXPECT_TRUE(KeysFor({}).empty());

    KeySnapshot snapshot{};
    snapshot[key::Left] = 0x80;  // held on the keyboard
    AddControllerKeys({.dpadRight = true}, snapshot);
    EXPECT_EQ(HeldCodes(snapshot), (std::vector<int>{key::Left, key::Right}));
}

TEST(AddControllerKeys, TheStickSteersBeyondItsDeadZoneByItsStrongerAxis) {
    EXPECT_TRUE(KeysFor({.leftX = kStickDeadZone, .leftY = -kStickDeadZone}).empty());
    EXPECT_EQ(KeysFor({.leftX = -32768}), std::vector<int>{key::Left});
    EXPECT_EQ(KeysFor({.leftX = 32767}), std::vector<int>{key::Right});
    EXPECT_EQ(KeysFor({.leftY = -32768}), std::vector<int>{key::Up});
    EXPECT_EQ(KeysFor({.leftY = 32767}), std::vector<int>{key::Down});
    EXPECT_EQ(KeysFor({.leftX = 20000, .leftY = -30000}), std::vector<int>{key::Up});
    EXPECT_EQ(KeysFor({.leftX = -30000, .leftY = 20000}), std::vector<int>{key::Left});
}

// The whole service on SDL's dummy drivers, with a virtual controller plugged in during play.
class SdlKeyboardWithController : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        KeyboardStartError error;
        ASSERT_TRUE(keyboard.DI_Init(error)) << error.description;
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    }
    void TearDown() override {
        if (stick != nullptr) SDL_JoystickClose(stick);
        if (device >= 0) SDL_JoystickDetachVirtual(device);
        keyboard.DI_Release();
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        SDL_Quit();
    }
    void PlugIn() {
        device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                           SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
        ASSERT_GE(device, 0) << SDL_GetError();
        stick = SDL_JoystickOpen(device);
        ASSERT_NE(stick, nullptr) << SDL_GetError();
    }
    std::vector<int> Poll() {
        keyboard.Poll(snapshot);
        return HeldCodes(snapshot);
    }

    SdlKeyboard keyboard;
    KeySnapshot snapshot{};
    int device = -1;
    SDL_Joystick* stick = nullptr;
};

TEST_F(SdlKeyboardWithController, AControllerPluggedInDuringPlayFeedsTheSnapshot) {
    EXPECT_TRUE(Poll().empty());
    EXPECT_EQ(keyboard.ControllerCount(), 0);

    PlugIn();
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_A, 1);
    EXPECT_EQ(Poll(), std::vector<int>{key::Enter});
    EXPECT_EQ(keyboard.ControllerCount(), 1);

    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_A, 0);
    SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_LEFTY, -32768);
    EXPECT_EQ(Poll(), std::vector<int>{key::Up});

    SDL_JoystickClose(stick);
    stick = nullptr;
    SDL_JoystickDetachVirtual(device);
    device = -1;
    EXPECT_TRUE(Poll().empty());
    EXPECT_EQ(keyboard.ControllerCount(), 0);

    PlugIn();  // again, then the keyboard is given back
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_START, 1);
    EXPECT_EQ(Poll(), std::vector<int>{key::Pause});
    keyboard.DI_Release();
    EXPECT_TRUE(Poll().empty());
}

}  // namespace
}  // namespace zelkor
