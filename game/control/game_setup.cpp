#include "game/control/game_setup.h"

#include "game/rules/messages.h"

namespace zelkor {
namespace {

UnextractHooks StartupHooks(Game& game) {
    UnextractHooks hooks;
    hooks.consolePrint = [&game](std::string_view text) { ConsolePrint(game, text); };
    hooks.setValue = [&game](double percent) { SetProgress(game, percent); };
    return hooks;
}

}  // namespace

GameSetup::GameSetup(Game& game, const GameServices& services, const std::filesystem::path& gameDir)
    : archives_(game, gameDir, services.archiveReaders, StartupHooks(game)),
      screen_(services.display),
      window_(game,
              Services{services.keyboard, screen_, services.events, services.sound, services.music,
                       services.settings, services.messageBox, archives_, gameDir}) {}

}  // namespace zelkor
