#pragma once

// The staged game folder and its archives unpacked as the game lays them out, made once
// per test program, so that tests look at pictures and sounds without unpacking at start-up.
#include <filesystem>
#include <string_view>

#include "game/rules/game.h"

namespace zelkor::support {

// Unpacks `archive` into `folder` as the game does ("bricks\\a.bmp" becomes "bricks/a.bmp");
// false when it cannot be opened.
bool UnpackArchive(const std::filesystem::path& archive, const std::filesystem::path& folder,
                   std::string_view password = kArchivePassword);

// The staged "gfx.zkr" unpacked.
const std::filesystem::path& UnpackedPictures();

// Everything the staged folder holds but the programs, linked into `into` rather than
// copied: the game only ever replaces files, so it never writes through a link into the build.
void LinkStagedFolder(const std::filesystem::path& into);

// The game folder as shipped, with its archives still packed.
const std::filesystem::path& StagedGameFolder();

// The game folder as start-up leaves it when it keeps what it unpacked (the sounds, the
// pictures of "gfx.zkr" and of every snake model); the level archives are still packed.
const std::filesystem::path& StartedGameFolder();

// The game folder with every archive unpacked, the level archives too.
const std::filesystem::path& UnpackedGameFolder();

}  // namespace zelkor::support
