#include "game/control/menus/menu_logic.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

#include "game/rules/movement.h"
#include "game/rules/physical_keys.h"

namespace zelkor {
namespace {

constexpr std::array<std::string_view, kMenuRows> kMainMenuHelp{
    "Start a new game", "Modify game options", "Show high score table", "Play any level",
    "Exit this cool game"};

constexpr std::string_view kLevelsHelp =
    "Enter plays the selected level, Space watches its best run, Escape returns to the menu";

constexpr std::array<std::string_view, kOptionRows> kOptionHelp{
    "Set the maximum game speed [10fast - 60slow]",
    "Set the minimum game speed [100fast - 250slow]",
    "Set the global game speed [maximum and minumem set above]",
    "Will cause the game not to reset the speed after you collected a banana [Yes/No]",
    "Increase the game speed every 2 seconds [Yes/No]",
    "Set the speed increase value [0.5 - 30] (Speed will increase by it every 2 seconds)",
    "Show an FPS counter in the top right edge [Yes/No]",
    "Type your name (14 chars max.) Press enter to clear",
    "Show new animated 3D Items [Yes/No]",
    "Play sounds [Yes/No]",
    "Allow AI Snakes to play sounds [Yes/No]",
    "Enable Music?",
    "Set the Music Volume (in %)",
    "Select your color!",
    "Keep a second steering key pressed within one step [Yes/No]",
    "Choose the keys for steering and commands"};

constexpr std::size_t kTickerLength = 71;

constexpr std::string_view kNamingHelp = "Type your name for the Hall Of Fame and press Enter";

// Pulls a value back into low..high, the upper end first, so a range whose ends
// were read crossed from a damaged settings file still gives one of them.
double KeepWithin(double value, double low, double high) {
    if (value > high) value = high;
    if (value < low) value = low;
    return value;
}

void Wrap(std::int16_t& row, int last) {
    if (row < 1) row = static_cast<std::int16_t>(last);
    if (row > last) row = 1;
}

void AdvanceTicker(Game& game) {
    MenuState& m = game.menu;
    const std::string& credits = game.run.credits;
    Timer& ticker = game.timers.ScrollNext;
    if (ticker.enabled || credits.empty()) return;
    m.tickerPos += 1;
    if (m.tickerPos >= static_cast<double>(credits.size())) m.tickerPos = 1;
    m.tickerLine += credits[static_cast<std::size_t>(m.tickerPos) - 1];
    if (m.tickerLine.size() > kTickerLength)
        m.tickerLine.erase(0, m.tickerLine.size() - kTickerLength);
    ticker.Enable(game.Now());
}

void MainMenuPass(Game& game) {
    MenuState& m = game.menu;
    ClearMenuHighlights(game);
    Wrap(m.menuRow, kMenuRows);
    m.highlights[static_cast<std::size_t>(m.menuRow - 1)] = true;
    if (m.menuRow != m.statusHeldRow) m.statusHeld = false;
    if (!m.statusHeld) m.statusLine = kMainMenuHelp[static_cast<std::size_t>(m.menuRow - 1)];
    AdvanceTicker(game);
}

// The action word applied to the option under the cursor: "+" and "-" step a
// number within its range, any word toggles a yes/no option. Returns false when
// the option is closed in deathmatch.
class OptionAction {
public:
    OptionAction(Game& game, MenuHost& host) : game_(game), host_(host) {
        const std::string& word = game.menu.optionsCommand;
        acted_ = word == "+" || word == "-" || word == "cycle";
        step_ = word == "+" ? 1 : word == "-" ? -1 : 0;
    }

    bool Apply(int row) {
        LevelSettings& level = game_.level;
        Options& options = game_.options;
        const bool deathmatch = game_.run.Deathmatch();
        switch (row) {
            case 1:
                Step(level.maxSpd, 1, 10, 60);
                break;
            case 2:
                Step(level.minSpd, 1, 100, 250);
                break;
            case 3:
                GlobalSpeed();
                break;
            case 4:
                if (deathmatch) return false;
                Toggle(options.noSpeedReset);
                break;
            case 5:
                if (deathmatch) return false;
                Toggle(level.SpeedUp);
                break;
            case 6:
                if (deathmatch) return false;
                Step(level.SpeedStep, 0.5, 0.5, 30);
                break;
            case 7:
                Toggle(options.showFPS);
                break;
            case kPlayerNameRow:
                game_.menu.typingAllowed = true;
                game_.menu.typingTarget = "PlayerName";
                break;
            case 9:
                Toggle(options.animatedItems);
                break;
            case 10:
                Toggle(options.sndEnabled);
                break;
            case 11:
                Toggle(options.kiSndEnabled);
                break;
            case 12:
                if (Toggle(options.musicEnabled)) host_.SwitchMusic(options.musicEnabled);
                break;
            case 13:
                MusicVolume();
                break;
            case 14:
                Model();
                break;
            case 15:
                Toggle(options.quickTurns);
                break;
            case kControlsRow:
                if (step_ >= 0 && acted_) OpenControls();
                break;
            default:
                break;
        }
        return true;
    }

private:
    bool Toggle(bool& flag) const {
        if (acted_) flag = !flag;
        return acted_;
    }
    void Step(double& value, double by, double low, double high) const {
        if (acted_) value = KeepWithin(value + step_ * by, low, high);
    }
    void GlobalSpeed() {
        if (!acted_) return;
        SnakeRecord& player = game_.Player();
        const double speed =
            KeepWithin(player.speed + step_, game_.level.maxSpd, game_.level.minSpd);
        player.speed = static_cast<std::int16_t>(std::nearbyint(speed));
        SetStepInterval(game_, 1, player.speed);
        game_.options.globalSpeed = player.speed;
    }
    // The stored volume is a percentage, so it stops at 0 and 100.
    void MusicVolume() {
        if (!acted_) return;
        std::int16_t& volume = game_.options.musicVolume;
        volume = static_cast<std::int16_t>(KeepWithin(volume + step_, 0, 100));
        host_.SetMusicVolume(volume);
    }
    // Enter or Right opens the page on its first action, with the names the keyboard's
    // layout has now.
    void OpenControls() {
        ControlsPage& page = game_.menu.controls;
        page = ControlsPage{};
        page.shown = true;
        for (int code = 1; code < static_cast<int>(page.labels.size()); ++code)
            if (!PhysicalKeyName(code).empty())
                page.labels[static_cast<std::size_t>(code)] = host_.KeyLabel(code);
        game_.menu.optionsNotice.clear();
    }
    // "cycle" moves on like "+".
    void Model() {
        if (!acted_) return;
        std::int16_t& model = game_.Player().model;
        const int by = step_ == 0 ? 1 : step_;
        model = static_cast<std::int16_t>(KeepWithin(model + by, 0, host_.HighestModelNumber()));
    }

    Game& game_;
    MenuHost& host_;
    bool acted_ = false;
    int step_ = 0;
};

void OptionsPass(Game& game, MenuHost& host) {
    MenuState& m = game.menu;
    Wrap(m.optionsRow, kOptionRows);
    if (m.optionsRow != kControlsRow) m.optionsNotice.clear();
    const bool open = OptionAction(game, host).Apply(m.optionsRow);
    m.statusLine =
        open ? kOptionHelp[static_cast<std::size_t>(m.optionsRow - 1)] : kNotInDeathmatch;
    if (!m.optionsNotice.empty()) m.statusLine = m.optionsNotice;
    m.optionsCommand.clear();
}

void ControlsPass(Game& game) {
    MenuState& m = game.menu;
    ControlsPage& page = m.controls;
    Wrap(page.row, kRestoreDefaultsRow);
    m.optionsCommand.clear();
    if (page.row == kRestoreDefaultsRow) {
        m.statusLine = "Put back the keys the game came with";
        return;
    }
    const std::string_view title = InfoOf(page.row - 1).title;
    if (page.capturing) {
        m.statusLine = "Press a key for ";
        m.statusLine += title;
        m.statusLine += " (Escape cancels)";
        if (!page.refused.empty()) {
            m.statusLine += " - ";
            m.statusLine += page.refused;
            m.statusLine += " cannot be chosen";
        }
        return;
    }
    m.statusLine = "Enter chooses a key, Delete clears it, Escape saves and goes back";
    if (page.row - 1 == static_cast<int>(Action::NameTags))
        m.statusLine = "The first key switches name tags, the second shows them until the next key";
}

// The Levels page: the cursor stays on the list and in view; a refused level tells
// why in the status line.
void LevelsPass(Game& game) {
    MenuState& m = game.menu;
    const int count = static_cast<int>(m.levels.size());
    m.levelsRow = static_cast<std::int16_t>(std::clamp<int>(m.levelsRow, 1, std::max(count, 1)));
    if (m.levelsTop > m.levelsRow) m.levelsTop = m.levelsRow;
    if (m.levelsTop < m.levelsRow - kLevelsInView + 1)
        m.levelsTop = static_cast<std::int16_t>(m.levelsRow - kLevelsInView + 1);
    m.levelsTop = static_cast<std::int16_t>(std::max<int>(m.levelsTop, 1));
    m.typingAllowed = true;
    m.typingTarget = "Levels";
    if (m.levelsRow != m.statusHeldRow) m.statusHeld = false;
    if (m.statusHeld) return;
    if (count == 0) {
        m.statusLine = "There are no levels in the lvl folder";
        return;
    }
    const LevelListEntry& level = m.levels[static_cast<std::size_t>(m.levelsRow - 1)];
    m.statusLine = level.error.empty() ? kLevelsHelp : std::string_view(level.error);
}

}  // namespace

void MoveLevelsCursor(Game& game, int by) {
    MenuState& m = game.menu;
    const int last = std::max(static_cast<int>(m.levels.size()), 1);
    m.levelsRow = static_cast<std::int16_t>(std::clamp(m.levelsRow + by, 1, last));
    m.levelsTyped.clear();
}

void FindTypedLevel(Game& game, std::string_view typed) {
    MenuState& m = game.menu;
    // Letters typed within a second of each other spell one name's start.
    constexpr std::int64_t kTypingPauseMs = 1000;
    if (game.Now() - m.levelsTypedAt > kTypingPauseMs) m.levelsTyped.clear();
    m.levelsTypedAt = game.Now();
    m.levelsTyped += typed;
    const auto startsWithTyped = [&](const LevelListEntry& level) {
        if (level.name.size() < m.levelsTyped.size()) return false;
        for (std::size_t i = 0; i < m.levelsTyped.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(level.name[i])) !=
                std::tolower(static_cast<unsigned char>(m.levelsTyped[i])))
                return false;
        return true;
    };
    const int count = static_cast<int>(m.levels.size());
    // A first letter looks from the row after the cursor; more letters may keep the row.
    const int from = m.levelsTyped.size() == typed.size() ? m.levelsRow : m.levelsRow - 1;
    for (int step = 0; step < count; ++step) {
        const int index = (from + step) % count;
        if (startsWithTyped(m.levels[static_cast<std::size_t>(index)])) {
            m.levelsRow = static_cast<std::int16_t>(index + 1);
            return;
        }
    }
}

void ClearMenuHighlights(Game& game) {
    game.menu.highlights.fill(false);
}

void HoldMenuStatus(Game& game, std::string_view text) {
    MenuState& m = game.menu;
    Wrap(m.menuRow, kMenuRows);
    m.statusLine = text;
    m.statusHeld = true;
    m.statusHeldRow = m.menuRow;
}

void HoldLevelsStatus(Game& game, std::string_view text) {
    MenuState& m = game.menu;
    m.statusLine = text;
    m.statusHeld = true;
    m.statusHeldRow = m.levelsRow;
}

void MenuPassLogic(Game& game, MenuHost& host) {
    MenuState& m = game.menu;
    m.typingAllowed = false;
    m.typingTarget.clear();
    if (m.hallOfFamePage == 1 || m.optionsPage == 1) m.statusHeld = false;
    if (m.levelsPage == 1) {
        LevelsPass(game);
    } else if (m.hallOfFamePage == 1) {
        m.typingAllowed = true;
        // A new entry's name is typed first; the cheat console waits until it is kept.
        m.typingTarget = m.namingPlace > 0 ? "HallOfFame" : "Cheat";
        if (m.namingPlace > 0) m.statusLine = kNamingHelp;
    } else if (m.optionsPage == 1 && m.controls.shown) {
        ControlsPass(game);
    } else if (m.optionsPage == 1) {
        OptionsPass(game, host);
    } else {
        MainMenuPass(game);
    }
}

}  // namespace zelkor
