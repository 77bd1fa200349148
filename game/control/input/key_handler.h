#pragma once

#include "game/rules/game.h"

namespace zelkor {

// Scan codes the handler acts on (set-1 numbering).
namespace key {
inline constexpr int Escape = 1;
inline constexpr int Backspace = 14;
inline constexpr int Enter = 28;
inline constexpr int LeftShift = 42;
inline constexpr int N = 49;
inline constexpr int RightShift = 54;
inline constexpr int Space = 57;
inline constexpr int F1 = 59;
inline constexpr int F2 = 60;
inline constexpr int F3 = 61;
inline constexpr int F4 = 62;
inline constexpr int F12 = 88;
inline constexpr int Pause = 197;
inline constexpr int Home = 199;
inline constexpr int Up = 200;
inline constexpr int PageUp = 201;
inline constexpr int Left = 203;
inline constexpr int Right = 205;
inline constexpr int End = 207;
inline constexpr int Down = 208;
inline constexpr int PageDown = 209;
inline constexpr int Delete = 211;
}  // namespace key

// What the key handler asks of the rest of the main window.
class KeyHandlerActions {
public:
    virtual ~KeyHandlerActions() = default;
    virtual void MenuSelect() = 0;
    // Enter on the Levels page: the selected level is played alone.
    virtual void PlayListedLevel() {}
    // Space on the Levels page: the selected level's best run is watched.
    virtual void WatchListedLevel() {}
    // Enter on the hall of fame with an empty console: the replay of the cursor's row.
    virtual void WatchHallOfFameRow() {}
    // Escape before the display is ready: the quit routine, then the end of the program.
    virtual void QuitAndEnd() = 0;
    virtual void SaveSettings() = 0;
    // A typed key while typing is allowed (player name or cheat console).
    virtual void TypeKey(int scanCode) = 0;
    // Debug mode draws the number of every held key at (1, 1).
    virtual void DrawKeyNumber(int scanCode) = 0;
    // F12: the picture on screen goes to a file, and a message line says where.
    virtual void SaveScreenshot() = 0;
};

// True while the player's life-lost box or a key wait of the death or level
// sequence runs.
bool DeathSequenceRunning(const Game& game);

// `KeyHandler`: acts on the keys polled into game.keys: every press in the order the keys
// went down, so a key tapped between two polls still acts, and two presses act in their order.
// A held key acts once; it acts again only when it goes down again, except Left and Right on
// the options page, which step again after 400 ms held, then 15 times a second.
// Menus and typing take their fixed keys; play, the pause, the information screen and the
// waits of the death and level end take the player's keys (game.options.keys). On the
// Controls page, a key being chosen is taken by the page and does nothing else.
void KeyHandler(Game& game, KeyHandlerActions& actions);

}  // namespace zelkor
