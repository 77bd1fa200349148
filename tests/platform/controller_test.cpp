#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "game/control/input/key_handler.h"
#include "game/platform/sdl_controllers.h"
#include "game/platform/sdl_keyboard.h"
#include "game/rules/physical_keys.h"

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
    EXPECT_EQ(KeysFor({.start = true}), std::vector<int>{pad::Start});
    EXPECT_EQ(KeysFor({.dpadUp = true, .dpadLeft = true}), (std::vector<int>{pad::Up, pad::Left}));
    EXPECT_EQ(KeysFor({.dpadDown = true, .dpadRight = true}),
              (std::vector<int>{pad::Down, pad::Right}));
    EXPECT_TRUE(KeysFor({}).empty());

    KeySnapshot snapshot{};
    snapshot[key::Left] = 0x80;  // held on the keyboard
    AddControllerKeys({.dpadRight = true}, snapshot);
    EXPECT_EQ(HeldCodes(snapshot), (std::vector<int>{key::Left, pad::Right}));
}

TEST(AddControllerKeys, TheStickSteersBeyondItsDeadZoneByItsStrongerAxis) {
    EXPECT_TRUE(KeysFor({.leftX = kStickDeadZone, .leftY = -kStickDeadZone}).empty());
    EXPECT_EQ(KeysFor({.leftX = -32768}), std::vector<int>{pad::Left});
    EXPECT_EQ(KeysFor({.leftX = 32767}), std::vector<int>{pad::Right});
    EXPECT_EQ(KeysFor({.leftY = -32768}), std::vector<int>{pad::Up});
    EXPECT_EQ(KeysFor({.leftY = 32767}), std::vector<int>{pad::Down});
    EXPECT_EQ(KeysFor({.leftX = 20000, .leftY = -30000}), std::vector<int>{pad::Up});
    EXPECT_EQ(KeysFor({.leftX = -30000, .leftY = 20000}), std::vector<int>{pad::Left});
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
        presses.Clear();
        keyboard.Poll(snapshot, presses);
        return HeldCodes(snapshot);
    }
    std::vector<int> Presses() const {
        return {presses.codes.begin(), presses.codes.begin() + presses.count};
    }

    SdlKeyboard keyboard;
    KeySnapshot snapshot{};
    KeyPresses presses;
    int device = -1;
    SDL_Joystick* stick = nullptr;
};

TEST_F(SdlKeyboardWithController, AControllerPluggedInDuringPlayFeedsTheSnapshot) {
    EXPECT_TRUE(Poll().empty());
    EXPECT_EQ(keyboard.ControllerCount(), 0);

    PlugIn();
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_A, 1);
    EXPECT_EQ(Poll(), std::vector<int>{key::Enter});
    EXPECT_EQ(Presses(), std::vector<int>{key::Enter});
    EXPECT_EQ(keyboard.ControllerCount(), 1);
    Poll();
    EXPECT_TRUE(Presses().empty()) << "held, not pressed again";

    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_A, 0);
    SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_LEFTY, -32768);
    EXPECT_EQ(Poll(), std::vector<int>{pad::Up});
    EXPECT_EQ(Presses(), std::vector<int>{pad::Up});

    // Start tapped between two polls: seen by the next one all the same.
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_START, 1);
    SDL_PumpEvents();
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_START, 0);
    SDL_PumpEvents();
    EXPECT_EQ(Poll(), (std::vector<int>{pad::Up, pad::Start}));
    EXPECT_EQ(Presses(), std::vector<int>{pad::Start});
    EXPECT_EQ(Poll(), std::vector<int>{pad::Up});

    SDL_JoystickClose(stick);
    stick = nullptr;
    SDL_JoystickDetachVirtual(device);
    device = -1;
    EXPECT_TRUE(Poll().empty());
    EXPECT_EQ(keyboard.ControllerCount(), 0);

    PlugIn();  // again, then the keyboard is given back
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_START, 1);
    EXPECT_EQ(Poll(), std::vector<int>{pad::Start});
    keyboard.DI_Release();
    EXPECT_TRUE(Poll().empty());
}

TEST_F(SdlKeyboardWithController, KeysTappedBetweenTwoPollsAreLatchedInTheOrderTheyWentDown) {
    const auto push = [](Uint32 type, SDL_Scancode scancode, Uint16 mod = 0, Uint8 repeat = 0) {
        SDL_Event event{};
        event.type = type;
        event.key.keysym.scancode = scancode;
        event.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
        event.key.keysym.mod = mod;
        event.key.repeat = repeat;
        SDL_PushEvent(&event);
    };
    for (SDL_Scancode tapped : {SDL_SCANCODE_LEFT, SDL_SCANCODE_UP, SDL_SCANCODE_LEFT}) {
        push(SDL_KEYDOWN, tapped);
        push(SDL_KEYUP, tapped);
    }
    push(SDL_KEYDOWN, SDL_SCANCODE_UP, 0, 1);           // the system's repeat
    push(SDL_KEYDOWN, SDL_SCANCODE_RETURN, KMOD_LALT);  // the window's
    EXPECT_EQ(Poll(), (std::vector<int>{key::Up, key::Left}));
    EXPECT_EQ(Presses(), (std::vector<int>{key::Left, key::Up, key::Left}));
    EXPECT_TRUE(Poll().empty());
    EXPECT_TRUE(Presses().empty());
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

}  // namespace
}  // namespace zelkor
