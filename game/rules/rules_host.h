#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelkor {

// The effects as the rules and the menu ask for them: paths below the game folder.
inline constexpr std::string_view kCollectSound = "\\snd\\collect.wav";
inline constexpr std::string_view kExplodeSound = "\\snd\\explode.wav";
inline constexpr std::string_view kLiveSound = "\\snd\\live.wav";
inline constexpr std::string_view kWallSound = "\\snd\\wall.wav";

// What became of a total score offered to the hall of fame.
enum class HighScoreEntry {
    NotEntered,  // it beats no entry
    Refused,     // it would have been entered, but a cheat was used in this run
    Entered,     // it took the first place it beats; lower entries moved down; saved
};

// What the rules need from the rest of the game. The control layer implements it
// (sound, key waits that keep frames running, the settings store, level loading);
// tests use a recording fake.
class RulesHost {
public:
    virtual ~RulesHost() = default;

    // `zkPlaySound`: the effect at `path`, caused by snake `snake`, at `balance`
    // (hundredths of a decibel, 0 = centre). The sound routine decides whether
    // that snake may be heard.
    virtual void PlaySound(std::string_view path, int snake, int balance) = 0;
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

    // `EnterHighScore` at game over with the player's `totalScore`: the hall-of-fame
    // entry (and the store saved) or the refusal of a cheating run. The caller
    // writes the box line and shows the menu on its hall-of-fame page.
    virtual HighScoreEntry EnterHighScore() = 0;
    // A run of one level from the Levels page is over, `won` or lost: the result is
    // offered to the level's records and the menu shows the page again.
    virtual void LevelRunOver(bool /*won*/) {}
    // The lines of "AI_Names.lst" beside the program (line ends removed), or
    // nothing when the file does not exist.
    virtual std::optional<std::vector<std::string>> ReadAINames() = 0;
    // The highest snake model number installed (the number of model packs
    // minus 1; -1 when there is none).
    virtual int HighestModelNumber() = 0;
};

}  // namespace zelkor
