#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <string_view>

#include "game/control/audio/audio.h"
#include "game/rules/game.h"

namespace zelkor {

class MessageBoxService;

// What the sound and music routines reach outside the game's state.
struct AudioHooks {
    // `ConsolePrint`, for the debug lines.
    std::function<void(std::string_view)> consolePrint;
    // The file a game path ("\snd\collect.wav", or a level's music path) names.
    std::function<std::filesystem::path(std::string_view)> toFile;
};

inline constexpr std::string_view kSoundStartFailedText =
    "Unable to start DirectSound. Check to see that your sound card is working properly!";

// The four effects loaded at start-up, into entries 1..4.
inline constexpr std::array<std::string_view, 4> kStartupEffects = {
    "\\Snd\\collect.wav", "\\Snd\\explode.wav", "\\Snd\\live.wav", "\\Snd\\wall.wav"};

// The effects: the sound device, the sound table in the game's state and the
// buffers the device holds for it.
class SoundEffects {
public:
    SoundEffects(Game& game, SoundDevice& device, MessageBoxService& messageBox, AudioHooks hooks);

    // `DS_Init`: opens the device. Without one the player is told once and the
    // game goes on silent: no effect is loaded or played.
    void DS_Init();

    // `ZkLoadSound`: loads the effect at `path` into the first free entry and
    // returns it. When all but the last entry are taken the table is emptied first
    // and entry 1 is used. A file that cannot be read shows "unable to find " +
    // path and returns 0: the program must end.
    int ZkLoadSound(std::string_view path);

    // `zkPlaySound`: plays the effect for snake `snake` unless effects are off or
    // the snake is a computer snake while theirs are off. The effect is found by
    // its path whatever the case of its letters, or loaded. Returns false when it
    // had to be loaded and could not be: the program must end.
    bool zkPlaySound(std::string_view path, int snake, int balance);

    // The entry holding `path`, compared without regard to case; 0 for none.
    int FindEntry(std::string_view path) const;

private:
    Game& game_;
    SoundDevice& device_;
    MessageBoxService& messageBox_;
    AudioHooks hooks_;
};

}  // namespace zelkor
