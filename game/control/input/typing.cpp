#include "game/control/input/typing.h"

#include "game/control/input/key_maps.h"
#include "game/control/menus/menu_logic.h"

namespace zelkor {
namespace {

void AppendCut(std::string& text, std::string_view typed, std::size_t length) {
    text += typed;
    if (text.size() > length) text.resize(length);
}

}  // namespace

void TypeIntoTarget(Game& game, int scanCode, const ConsoleLevels& levels) {
    const std::string typed = DI_KeyChar(scanCode, game.keys.shift, game.run.keyMap);
    if (game.menu.typingTarget == "PlayerName") {
        AppendCut(game.Player().name, typed, kPlayerNameLength);
    } else if (game.menu.typingTarget == "HallOfFame" && game.menu.namingPlace > 0) {
        AppendCut(game.hallOfFame[static_cast<std::size_t>(game.menu.namingPlace - 1)].name, typed,
                  kPlayerNameLength);
    } else if (game.menu.typingTarget == "Levels") {
        if (!typed.empty()) FindTypedLevel(game, typed);
    } else if (game.menu.typingTarget == "Cheat") {
        AppendCut(game.cheats.consoleText, typed, kConsoleLength);
        TestConsoleCommands(game, levels);
    }
}

}  // namespace zelkor
