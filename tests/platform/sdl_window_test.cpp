// The game window on SDL's dummy video driver: what its pending events report to the game.
#include "game/platform/sdl_window.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <vector>

namespace zelkor {
namespace {

class RecordingSink final : public WindowEventSink {
public:
    void WindowClosed() override { reports.push_back("closed"); }
    void Activated(bool active) override { reports.push_back(active ? "active" : "inactive"); }
    void RunOver() override { reports.push_back("over"); }
    std::vector<std::string> reports;
};

class SdlWindowTest : public ::testing::Test {
protected:
    // The window member starts SDL's video before a constructor body would run, so the
    // dummy drivers are asked for here, whatever the shell's environment says.
    static void SetUpTestSuite() {
        ::setenv("SDL_VIDEODRIVER", "dummy", 1);
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    }

    void PushFocus(Uint8 change) {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = change;
        SDL_PushEvent(&event);
    }
    void PushKey(SDL_Keycode key, Uint16 modifiers) {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.keysym.sym = key;
        event.key.keysym.mod = modifiers;
        SDL_PushEvent(&event);
    }
    std::vector<std::string> Pump() {
        RecordingSink sink;
        window.Pump(sink);
        return sink.reports;
    }

    SdlWindow window{true};
};

TEST_F(SdlWindowTest, FocusChangesAndClosingAreReported) {
    ASSERT_TRUE(window.Open());
    Pump();  // whatever the window's creation queued
    PushFocus(SDL_WINDOWEVENT_FOCUS_LOST);
    PushFocus(SDL_WINDOWEVENT_FOCUS_GAINED);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    EXPECT_EQ(Pump(), (std::vector<std::string>{"inactive", "active", "closed"}));
}

TEST_F(SdlWindowTest, AltEnterSwitchesFullScreenAndIsNoKeyOfTheGame) {
    ASSERT_TRUE(window.Open());
    Pump();
    ASSERT_FALSE(window.FullScreen());
    PushKey(SDLK_RETURN, KMOD_NONE);
    EXPECT_TRUE(Pump().empty());
    EXPECT_FALSE(window.FullScreen()) << "Enter alone";
    PushKey(SDLK_RETURN, KMOD_LALT);
    EXPECT_TRUE(Pump().empty());
    EXPECT_TRUE(window.FullScreen());
    PushKey(SDLK_RETURN, KMOD_RALT);
    Pump();
    EXPECT_FALSE(window.FullScreen()) << "and back";
}

}  // namespace
}  // namespace zelkor
