#pragma once

#include <string_view>

namespace zelkor {

enum class SoundEffect { Collect, Explode, Live, Wall };

// What the rules need from the rest of the game. The control layer implements it
// (sound, key waits that keep frames running, the settings store, level loading);
// tests use a recording fake.
class RulesHost {
public:
    virtual ~RulesHost() = default;

    // zkPlaySound: the sound routine decides whether a computer snake may be heard.
    virtual void PlaySound(SoundEffect effect, int snake) = 0;
    // Keeps drawing frames and running DoEvents() until the key is freshly pressed
    // or the death sequence's skip flag is raised.
    virtual void WaitForKey(int scanCode) = 0;
    virtual void LoadSettings() = 0;
    virtual void SaveSettings() = 0;
    virtual int LoadLevel(std::string_view path) = 0;
    // Clears the frame and shows "\gfx\gover.bmp" centred (the game-over picture).
    virtual void ShowGameOverPicture() = 0;
    // "Time Limit Hit!" / "Press Enter" drawn on the frame.
    virtual void ShowTimeLimitHit() = 0;
};

}  // namespace zelkor
