#pragma once

#include <string>
#include <string_view>

#include "game/rules/game.h"

namespace zelkor {

// What the menu pages reach outside the game's state: how many models are
// installed, and the music player.
class MenuHost {
public:
    virtual ~MenuHost() = default;
    // The highest model number installed (-1 with none).
    virtual int HighestModelNumber() = 0;
    // Music switched on the options page: on plays the loaded piece from the
    // start if it is not playing; off (or nothing loaded) stops it.
    virtual void SwitchMusic(bool on) = 0;
    virtual void SetMusicVolume(int percent) = 0;
    // What the keyboard's layout calls the key at this place (Windows-1252); empty where it
    // cannot tell, and the game's own name is shown.
    virtual std::string KeyLabel(int /*code*/) { return {}; }
};

inline constexpr int kMenuRows = 5;  // new game, options, high scores, levels, exit
inline constexpr int kLevelsRow = 4;
inline constexpr int kExitRow = 5;
inline constexpr int kOptionRows = 16;
inline constexpr int kControlsRow = 16;
inline constexpr int kPlayerNameRow = 8;

// `ClearMenuHighlights`: no main menu button is highlighted.
void ClearMenuHighlights(Game& game);

// Puts `text` into the main menu's status line, where it stays until the cursor
// moves or another page is opened.
void HoldMenuStatus(Game& game, std::string_view text);

// The Levels page's cursor moved by `by` rows, stopping at the first and last level.
void MoveLevelsCursor(Game& game, int by);
// A letter typed on the Levels page: the cursor goes to the next level whose name starts
// with the letters typed in a row (any case).
void FindTypedLevel(Game& game, std::string_view typed);

// Puts `text` into the Levels page's status line until its cursor moves.
void HoldLevelsStatus(Game& game, std::string_view text);

// The state side of one pass of the menu screens: cursor wraps, highlights, the
// status line, the credits ticker, the options page's action word and the typing
// target of the page shown. Drawing is the screen's.
void MenuPassLogic(Game& game, MenuHost& host);

}  // namespace zelkor
