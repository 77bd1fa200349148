#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>

#include "common/settings_store.h"
#include "game/rules/game.h"

namespace zelkor {

// What QuitCleanUp hands back. Any of them may be empty.
struct QuitServices {
    std::function<void()> releaseDisplay;   // normal cooperation, desktop display mode
    std::function<void()> releaseKeyboard;  // the keyboard given back
    std::function<void()> doEvents;         // lets pending window events run
    // Whether no other running copy of the game uses the game folder; empty: none does.
    std::function<bool()> lastCopy;
};

// A clean-up list longer than this is not one the game wrote; it is left unread.
inline constexpr std::uintmax_t kMaxCleanUpListBytes = 4u << 20;

// `QuitCleanUp`: ends the main loop, gives the display and keyboard back, stores
// "NewInstall" as "False" after a new install and, unless no clean-up is set,
// deletes every file the clean-up lists ("*.zkc" in the game folder) name, then the
// lists. While another copy of the game runs in the folder, the files and their lists
// are left for the last copy to end. Only regular files inside the game folder are deleted: a
// listed link, a folder or a path outside (a damaged or planted list) is passed over, and so is a
// list that is binary or larger than kMaxCleanUpListBytes. Errors are ignored.
void QuitCleanUp(Game& game, const std::filesystem::path& gameFolder, SettingsStore& settings,
                 const QuitServices& services);

}  // namespace zelkor
