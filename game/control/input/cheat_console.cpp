#include "game/control/input/cheat_console.h"

#include <cctype>
#include <optional>

#include "common/captions.h"
#include "common/numbers.h"

namespace zelkor {
namespace {

constexpr std::string_view kUnlock = "plumtrove";

std::string Switch(bool& flag, std::string_view mode) {
    flag = !flag;
    return "Cheater! - " + std::string(mode) + " mode " + std::string(FlagCaption(flag));
}

// "warp" + two characters: the level file numbered by them, "05" being level 5.
// A level that fails to load keeps the loader's own message.
void Warp(Game& game, const ConsoleLevels& levels) {
    const double number = ReadNumber(std::string_view(game.cheats.consoleText).substr(4, 2));
    const std::string path = levels.gameFolder + "\\lvl\\lvl" + NumberText(number) + ".dat";
    const bool loaded = levels.loadLevel && levels.loadLevel(path) == 1;
    if (loaded && !game.level.InfoText.starts_with("This level"))
        game.level.InfoText = "Cheater! - Level loaded... (Press ESC twice)";
}

// "give" + letter + count: only the last character counts. Nothing is given for
// a letter other than Y, R, B or D.
std::optional<std::string> GiveItems(SnakeRecord& player, std::string_view text) {
    const int count = static_cast<int>(ReadNumber(text.substr(text.size() - 1)));
    std::int16_t* eaten = nullptr;
    switch (std::toupper(static_cast<unsigned char>(text[4]))) {
        case 'Y':
            eaten = &player.yellowEaten;
            break;
        case 'R':
            eaten = &player.redEaten;
            break;
        case 'B':
            eaten = &player.blueEaten;
            break;
        case 'D':
            eaten = &player.blackEaten;
            break;
        default:
            return std::nullopt;
    }
    *eaten = static_cast<std::int16_t>(*eaten + count);
    return "Cheater! - " + std::to_string(count) + " items given...";
}

// "give" + letter: points, a life or atomic power.
std::optional<std::string> GiveBonus(SnakeRecord& player, char letter) {
    switch (std::toupper(static_cast<unsigned char>(letter))) {
        case 'S':
            player.score += 100;
            return "Cheater! - 100 pts given...";
        case 'L':
            ++player.lives;
            return "Cheater! - one live given...";
        case 'P':
            player.score -= 100;
            player.atomic = true;
            player.atomicLeft = static_cast<std::int16_t>(player.atomicLeft + 20);
            ++player.powerEaten;
            player.atomicGiven = player.atomicLeft;
            return "Cheater! - atomic power given...";
        default:
            return std::nullopt;
    }
}

}  // namespace

void TestConsoleCommands(Game& game, const ConsoleLevels& levels) {
    Cheats& cheats = game.cheats;
    std::string& text = cheats.consoleText;
    if (text.starts_with(kUnlock)) {
        cheats.cheatUsed = true;
        text.clear();
        return;
    }
    if (!cheats.cheatUsed || game.menu.hallOfFamePage != 1) return;
    if (text.starts_with("warp") && text.size() == 6) {
        Warp(game, levels);
        text.clear();
        return;
    }
    if (game.flags.stopped) return;

    SnakeRecord& player = game.Player();
    std::optional<std::string> info;
    if (text == "god") {
        info = Switch(cheats.godMode, "GOD");
    } else if (text == "noclip") {
        info = Switch(cheats.noClip, "NoClipping");
    } else if (text == "timepass") {
        info = Switch(cheats.noTimeCheck, "NoTimeChecking");
    } else if (text.starts_with("give") && (text.size() == 6 || text.size() == 7)) {
        info = GiveItems(player, text);
        text.clear();  // emptied whatever the letter
    } else if (text.starts_with("give") && text.size() == 5) {
        info = GiveBonus(player, text[4]);
    }
    if (!info) return;
    game.level.InfoText = *info;
    text.clear();
}

}  // namespace zelkor
