#include "game/control/input/key_handler.h"

#include <algorithm>
#include <utility>

#include "game/control/menus/menu_logic.h"
#include "game/rules/movement.h"
#include "game/rules/physical_keys.h"

namespace zelkor {
namespace {

bool OnHallOfFamePage(const Game& game) {
    return game.menu.hallOfFamePage == 1;
}
bool OnOptionsPage(const Game& game) {
    return game.menu.optionsPage == 1 && !game.menu.controls.shown;
}
bool OnControlsPage(const Game& game) {
    return game.menu.optionsPage == 1 && game.menu.controls.shown;
}
bool Capturing(const Game& game) {
    return game.flags.menuShown && OnControlsPage(game) && game.menu.controls.capturing;
}
bool OnLevelsPage(const Game& game) {
    return game.menu.levelsPage == 1;
}

// The Levels page's list keys.
void NavigateLevels(Game& game, KeyHandlerActions& actions, int k) {
    const int page = kLevelsInView;
    const int all = static_cast<int>(game.menu.levels.size());
    switch (k) {
        case key::Up:
            MoveLevelsCursor(game, -1);
            break;
        case key::Down:
            MoveLevelsCursor(game, 1);
            break;
        case key::PageUp:
            MoveLevelsCursor(game, -page);
            break;
        case key::PageDown:
            MoveLevelsCursor(game, page);
            break;
        case key::Home:
            MoveLevelsCursor(game, -all);
            break;
        case key::End:
            MoveLevelsCursor(game, all);
            break;
        case key::Enter:
            actions.PlayListedLevel();
            break;
        case key::Space:
            actions.WatchListedLevel();
            break;
        default:
            break;
    }
}

// A new hall-of-fame line takes its name on the page, once the game-over box is closed.
bool NamingEntry(const Game& game) {
    return OnHallOfFamePage(game) && game.menu.namingPlace > 0 && !DeathSequenceRunning(game);
}

// The name typed for the new line is kept (an emptied one goes back to the player's
// name) and becomes the player's name.
void KeepEntryName(Game& game, KeyHandlerActions& actions) {
    std::string& name = game.hallOfFame[static_cast<std::size_t>(game.menu.namingPlace - 1)].name;
    if (name.empty()) name = game.Player().name;
    game.Player().name = name;
    game.menu.hallOfFameRow = game.menu.namingPlace;  // the cursor on the new line
    game.menu.namingPlace = 0;
    game.menu.statusLine.clear();
    actions.SaveSettings();
}

// The hall of fame's cursor, from the last game's row to the tenth place; Enter watches the
// row's replay unless the cheat console holds text (Enter then empties it). While a new line
// is named, every key is the name's; while the game-over box waits (the page is already set
// behind it), its Enter is the box's, not a request to watch the game that just ended.
void NavigateHallOfFame(Game& game, KeyHandlerActions& actions, int k) {
    MenuState& m = game.menu;
    if (NamingEntry(game) || DeathSequenceRunning(game)) return;
    const int row = m.hallOfFameRow;
    if (k == key::Up) m.hallOfFameRow = static_cast<std::int16_t>(std::max(row - 1, 0));
    if (k == key::Down) m.hallOfFameRow = static_cast<std::int16_t>(std::min(row + 1, 10));
    if (m.hallOfFameRow != row) m.statusLine = kHallOfFameTitle;
    if (k == key::Enter && game.cheats.consoleText.empty()) actions.WatchHallOfFameRow();
}

void Steer(Game& game, Dir dir) {
    RequestTurn(game.Player(), dir, game.options.quickTurns);
    game.flags.wallHitWait = false;
}

// The Controls page's cursor: Up and Down the rows, Left and Right the key columns, Enter
// waits for a key (or restores the defaults), Delete clears the key under the cursor.
void NavigateControls(Game& game, int k) {
    ControlsPage& page = game.menu.controls;
    switch (k) {
        case key::Up:
            --page.row;
            break;
        case key::Down:
            ++page.row;
            break;
        case key::Left:
            page.column = 0;
            break;
        case key::Right:
            page.column = 1;
            break;
        case key::Enter:
            if (page.row == kRestoreDefaultsRow) {
                game.options.keys = KeyBindings{};
                page.lost.fill(0);
            } else if (page.row >= 1 && page.row <= kActionCount) {
                page.capturing = true;
                page.refused = {};
            }
            break;
        case key::Delete:
            if (page.row >= 1 && page.row <= kActionCount)
                game.options.keys.Of(static_cast<Action>(page.row - 1))[page.column & 1] = 0;
            break;
        default:
            break;
    }
}

// The key pressed while the page waits for one: Escape cancels, a key that cannot be chosen is
// named on the page, any other becomes the action's, taken from the action that had it.
void Capture(Game& game, int code) {
    ControlsPage& page = game.menu.controls;
    if (code == key::Escape) {
        page.capturing = false;
    } else if (!ChoosableKey(code)) {
        page.refused = PhysicalKeyName(code);
    } else {
        const auto action = static_cast<Action>(page.row - 1);
        const auto loser = game.options.keys.Bind(action, page.column & 1, code);
        if (loser) page.lost[static_cast<std::size_t>(*loser)] = static_cast<std::uint8_t>(code);
        page.lost[static_cast<std::size_t>(action)] = 0;
        page.capturing = false;
        page.refused = {};
    }
}

// Rule 1: menus and steering, only while the game is not paused. The menus read a
// controller's D-pad as the arrows.
void MoveOrNavigate(Game& game, KeyHandlerActions& actions, int code) {
    LoopFlags& f = game.flags;
    if (f.infoScreen || f.infoShown) {
        f.Pause = false;
        return;
    }
    const int k = MenuKeyOf(code);
    if (f.menuShown) {
        if (OnControlsPage(game)) {
            NavigateControls(game, k);
        } else if (OnLevelsPage(game)) {
            NavigateLevels(game, actions, k);
        } else if (OnOptionsPage(game)) {
            switch (k) {
                case key::Up:
                    --game.menu.optionsRow;
                    break;
                case key::Down:
                    ++game.menu.optionsRow;
                    break;
                case key::Left:
                    game.menu.optionsCommand = "-";
                    break;
                case key::Right:
                    game.menu.optionsCommand = "+";
                    break;
                case key::Enter:
                    game.menu.optionsCommand = "cycle";
                    break;
                default:
                    break;
            }
        } else if (OnHallOfFamePage(game)) {
            NavigateHallOfFame(game, actions, k);
        } else {
            switch (k) {
                case key::Up:
                    --game.menu.menuRow;
                    break;
                case key::Down:
                    ++game.menu.menuRow;
                    break;
                case key::Enter:
                    actions.MenuSelect();
                    break;
                default:
                    break;
            }
        }
        return;
    }
    const KeyBindings& bindings = game.options.keys;
    constexpr std::pair<Action, Dir> kSteering[] = {{Action::Up, Dir::Forw},
                                                    {Action::Down, Dir::Back},
                                                    {Action::Left, Dir::Left},
                                                    {Action::Right, Dir::Right}};
    for (const auto& [action, dir] : kSteering)
        if (bindings.Acts(action, code)) Steer(game, dir);
    game.world.Frozen = false;  // any key in play lets the computer snakes start
}

void EraseOnPage(Game& game, bool all) {
    std::string* text = nullptr;
    if (NamingEntry(game)) {
        text = &game.hallOfFame[static_cast<std::size_t>(game.menu.namingPlace - 1)].name;
    } else if (OnHallOfFamePage(game)) {
        text = &game.cheats.consoleText;
    } else if (OnOptionsPage(game) && game.menu.optionsRow == 8) {
        text = &game.Player().name;
    }
    if (text == nullptr) return;
    if (all) {
        text->clear();
    } else if (!text->empty()) {
        text->pop_back();
    }
}

// Back on the options page, which says which actions were left without a key.
void LeaveControls(Game& game) {
    game.menu.controls.shown = false;
    std::string unbound;
    for (int a = 0; a < kActionCount; ++a) {
        if (!game.options.keys.Unbound(static_cast<Action>(a))) continue;
        unbound += unbound.empty() ? "No key for: " : ", ";
        unbound += InfoOf(a).title;
    }
    game.menu.optionsNotice = unbound;
}

void Escape(Game& game, KeyHandlerActions& actions) {
    LoopFlags& f = game.flags;
    if (!f.displayReady) {
        actions.QuitAndEnd();
    } else if (OnHallOfFamePage(game)) {
        if (NamingEntry(game)) KeepEntryName(game, actions);
        game.menu.hallOfFamePage = 0;
        f.menuShown = true;
    } else if (OnControlsPage(game)) {
        LeaveControls(game);
        actions.SaveSettings();
    } else if (OnOptionsPage(game)) {
        game.menu.optionsPage = 0;
        actions.SaveSettings();
    } else if (OnLevelsPage(game) && f.menuShown) {
        game.menu.levelsPage = 0;
        game.menu.statusHeld = false;
    } else if (!f.stopped) {
        if (DeathSequenceRunning(game)) f.skipDeath = true;
        if (f.Pause) f.Pause = false;
        if (f.infoScreen) f.infoScreen = false;
        f.menuShown = !f.menuShown;
    }
}

// The player's commands: in play, in the pause and information screens, in the waits, and in
// the menus unless the key typed a character.
void Command(Game& game, KeyHandlerActions& actions, int code) {
    LoopFlags& f = game.flags;
    const KeyBindings& bindings = game.options.keys;
    if (bindings.Acts(Action::Information, code)) {
        if (!f.wallHitWait && !f.menuShown && !f.Pause && !DeathSequenceRunning(game))
            f.infoScreen = !f.infoScreen;
    } else if (bindings.Of(Action::NameTags)[0] == code) {
        f.nameTags = !f.nameTags;
    } else if (bindings.Acts(Action::Statistics, code)) {
        f.statistics = !f.statistics;
    } else if (bindings.Acts(Action::DeathDetails, code)) {
        f.deathDetails = !f.deathDetails;
    } else if (bindings.Acts(Action::Pause, code)) {
        // Pausing waits for the wall-hit banner and the menu to be gone, but the
        // key always ends a pause: one that began in a life-lost box or through a
        // focus loss would otherwise hold the wall-hit wait for good, since the
        // arrows that end that wait do not steer while paused.
        if (f.Pause) {
            f.Pause = false;
        } else if (!f.wallHitWait && !f.menuShown) {
            f.Pause = true;
        }
    } else if (bindings.Acts(Action::Screenshot, code)) {
        actions.SaveScreenshot();
    }
}

void Act(Game& game, KeyHandlerActions& actions, int code) {
    LoopFlags& f = game.flags;
    if (Capturing(game)) {
        Capture(game, code);
        return;
    }
    if (!f.Pause) MoveOrNavigate(game, actions, code);
    const int k = MenuKeyOf(code);
    if (k == key::Enter && NamingEntry(game)) {
        KeepEntryName(game, actions);
    } else if (k == key::Enter) {
        EraseOnPage(game, true);
    }
    if (k == key::Backspace) EraseOnPage(game, false);
    game.keys.lastKey = code;
    // Space on the Levels page watches a run rather than looking for a name.
    const bool typed = k >= 2 && k <= 57 && k != key::LeftShift && k != key::Enter &&
                       k != key::RightShift && game.menu.typingAllowed &&
                       !(k == key::Space && OnLevelsPage(game));
    if (typed) {
        actions.TypeKey(k);
    } else {
        Command(game, actions, code);
    }
    if (k == key::Escape) Escape(game, actions);
}

// Left and Right held on the options page step the value again after a while, then steadily.
constexpr std::int64_t kRepeatDelayMs = 400;
constexpr std::int64_t kRepeatEveryMs = 1000 / 15;

bool Repeats(const Game& game, int code) {
    const int k = MenuKeyOf(code);
    return (k == key::Left || k == key::Right) && game.flags.menuShown && !game.flags.Pause &&
           OnOptionsPage(game);
}

// A key acting because it went down: it may start repeating, and ends another key's repeat.
void ActOnPress(Game& game, KeyHandlerActions& actions, int k) {
    Act(game, actions, k);
    KeyState& keys = game.keys;
    keys.ready[static_cast<std::size_t>(k)] = false;
    keys.repeatKey = Repeats(game, k) ? k : 0;
    keys.repeatAt = game.Now() + kRepeatDelayMs;
}

void RepeatHeldKey(Game& game, KeyHandlerActions& actions) {
    KeyState& keys = game.keys;
    const int k = keys.repeatKey;
    if (k == 0) return;
    if (keys.snapshot[static_cast<std::size_t>(k)] == 0 || !Repeats(game, k)) {
        keys.repeatKey = 0;
    } else if (game.Now() >= keys.repeatAt) {
        MoveOrNavigate(game, actions, k);
        keys.repeatAt += kRepeatEveryMs;
    }
}

}  // namespace

bool DeathSequenceRunning(const Game& game) {
    return game.flags.lifeLostBox || game.flags.waitingForKey;
}

void KeyHandler(Game& game, KeyHandlerActions& actions) {
    KeyState& keys = game.keys;
    keys.shift = keys.snapshot[key::LeftShift] != 0;
    // The presses first, in the order they went down; what they do may run the loops (a level
    // loads), whose own key handler then takes only the presses that come after these.
    const KeyPresses presses = std::exchange(keys.presses, {});
    for (std::size_t n = 0; n < presses.count; ++n)
        ActOnPress(game, actions, presses.codes[n]);
    // Then a key seen held without a press (held since before the keyboard opened) acts once.
    for (int k = 0; k < 256; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (keys.snapshot[i] == 0) {
            keys.ready[i] = true;
            continue;
        }
        if (game.run.debug) actions.DrawKeyNumber(k);
        if (keys.ready[i]) ActOnPress(game, actions, k);
    }
    RepeatHeldKey(game, actions);
}

}  // namespace zelkor
