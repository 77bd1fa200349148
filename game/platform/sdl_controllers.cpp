#include "game/platform/sdl_controllers.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <mutex>
#include <utility>
#include <vector>

#include "game/rules/physical_keys.h"

namespace zelkor {
namespace {

constexpr std::uint8_t kHeld = 0x80;
constexpr int kEscapeCode = 1, kEnterCode = 28, kPauseCode = pad::Start;
constexpr int kUpCode = pad::Up, kDownCode = pad::Down, kLeftCode = pad::Left,
              kRightCode = pad::Right;

ControllerReading Read(SDL_GameController* pad) {
    auto button = [pad](SDL_GameControllerButton b) {
        return SDL_GameControllerGetButton(pad, b) != 0;
    };
    ControllerReading r;
    r.dpadUp = button(SDL_CONTROLLER_BUTTON_DPAD_UP);
    r.dpadDown = button(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    r.dpadLeft = button(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    r.dpadRight = button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    r.a = button(SDL_CONTROLLER_BUTTON_A);
    r.b = button(SDL_CONTROLLER_BUTTON_B);
    r.back = button(SDL_CONTROLLER_BUTTON_BACK);
    r.start = button(SDL_CONTROLLER_BUTTON_START);
    r.leftX = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
    r.leftY = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY);
    return r;
}

// A reading with one button held.
ControllerReading ButtonReading(int button) {
    ControllerReading r;
    r.dpadUp = button == SDL_CONTROLLER_BUTTON_DPAD_UP;
    r.dpadDown = button == SDL_CONTROLLER_BUTTON_DPAD_DOWN;
    r.dpadLeft = button == SDL_CONTROLLER_BUTTON_DPAD_LEFT;
    r.dpadRight = button == SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
    r.a = button == SDL_CONTROLLER_BUTTON_A;
    r.b = button == SDL_CONTROLLER_BUTTON_B;
    r.back = button == SDL_CONTROLLER_BUTTON_BACK;
    r.start = button == SDL_CONTROLLER_BUTTON_START;
    return r;
}

}  // namespace

void AddControllerKeys(const ControllerReading& reading, KeySnapshot& snapshot) {
    auto hold = [&snapshot](int code) { snapshot[static_cast<std::size_t>(code)] = kHeld; };
    if (reading.dpadUp) hold(kUpCode);
    if (reading.dpadDown) hold(kDownCode);
    if (reading.dpadLeft) hold(kLeftCode);
    if (reading.dpadRight) hold(kRightCode);
    const int x = std::abs(reading.leftX), y = std::abs(reading.leftY);
    if (std::max(x, y) > kStickDeadZone) {
        if (x >= y) {
            hold(reading.leftX < 0 ? kLeftCode : kRightCode);
        } else {
            hold(reading.leftY < 0 ? kUpCode : kDownCode);
        }
    }
    if (reading.a) hold(kEnterCode);
    if (reading.b || reading.back) hold(kEscapeCode);
    if (reading.start) hold(kPauseCode);
}

struct Controllers::State {
    bool open = false;
    std::vector<SDL_GameController*> pads;
    // Set by SDL (possibly on the thread that pushes the event) when a controller is plugged in.
    std::atomic<bool> lookForNew{false};
    // The buttons that went down since the last read, as keys: a tap shorter than a poll.
    std::mutex wentDownLock;
    KeySnapshot wentDown{};
    KeySnapshot heldBefore{};  // what the controllers held at the last read

    static int SDLCALL Watch(void* self, SDL_Event* event) {
        auto& state = *static_cast<State*>(self);
        if (event->type == SDL_CONTROLLERDEVICEADDED) state.lookForNew = true;
        if (event->type == SDL_CONTROLLERBUTTONDOWN) {
            const std::lock_guard lock(state.wentDownLock);
            AddControllerKeys(ButtonReading(event->cbutton.button), state.wentDown);
        }
        return 0;
    }

    bool IsOpen(SDL_JoystickID id) const {
        return std::any_of(pads.begin(), pads.end(), [id](SDL_GameController* pad) {
            return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) == id;
        });
    }

    void OpenNew() {
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            if (!SDL_IsGameController(i) || IsOpen(SDL_JoystickGetDeviceInstanceID(i))) continue;
            if (SDL_GameController* pad = SDL_GameControllerOpen(i)) pads.push_back(pad);
        }
    }

    void CloseUnplugged() {
        std::erase_if(pads, [](SDL_GameController* pad) {
            if (SDL_GameControllerGetAttached(pad)) return false;
            SDL_GameControllerClose(pad);
            return true;
        });
    }
};

Controllers::Controllers() : state_(std::make_unique<State>()) {}

Controllers::~Controllers() {
    Close();
}

bool Controllers::Open() {
    if (state_->open) return true;
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return false;
    state_->open = true;
    SDL_AddEventWatch(&State::Watch, state_.get());
    state_->OpenNew();
    return true;
}

void Controllers::Close() {
    if (!state_->open) return;
    SDL_DelEventWatch(&State::Watch, state_.get());
    for (SDL_GameController* pad : state_->pads)
        SDL_GameControllerClose(pad);
    state_->pads.clear();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    state_->open = false;
}

void Controllers::AddHeldKeys(KeySnapshot& snapshot, KeyPresses& presses) {
    if (!state_->open) return;
    if (state_->lookForNew.exchange(false)) state_->OpenNew();
    state_->CloseUnplugged();
    KeySnapshot held{};
    for (SDL_GameController* pad : state_->pads)
        AddControllerKeys(Read(pad), held);
    KeySnapshot wentDown{};
    {
        const std::lock_guard lock(state_->wentDownLock);
        wentDown = std::exchange(state_->wentDown, {});
    }
    for (std::size_t k = 0; k < held.size(); ++k) {
        if (wentDown[k] != 0 || (held[k] != 0 && state_->heldBefore[k] == 0))
            presses.Add(static_cast<int>(k));
        if (held[k] != 0 || wentDown[k] != 0) snapshot[k] = kHeld;
    }
    state_->heldBefore = held;
}

int Controllers::Count() const {
    return static_cast<int>(state_->pads.size());
}

}  // namespace zelkor
