#pragma once

// How "let:" and "set:" lines act on the user-item cells read so far. The game's
// loader, `--check-level` and the editor's pre-test check all follow these rules.

#include <cstdint>
#include <span>
#include <string>

#include "common/level_reader.h"

namespace zelkor {

struct UserItemCell {
    std::int16_t x = 0;
    std::int16_t y = 0;
    bool hasGfx = false;
    std::string gfx;   // the letter in upper case, or the graphics name after "set:"
    std::string decl;  // "wall", "ani_wall", "wall_no_tnt", "ani_wall_no_tnt" or empty
};

// A cell answers to its letter until a "set:" line replaces the letter by a name.
bool AnswersToLetter(const UserItemCell& cell, char upperLetter);

// A fresh cell for a letter placed in the grid: nothing of an earlier level carries over.
UserItemCell NewUserItemCell(const UserItemCellPlaced& placed);

// "let:": every cell that answers to the letter takes the type.
void DeclareUserItems(std::span<UserItemCell> cells, const UserItemTypeRead& let);

// "set:" whose graphics were found: every cell that answers to the letter takes the
// name as its graphics and no longer answers to the letter. The caller looks for the
// graphics; a "set:" whose graphics are missing changes nothing.
void SetUserItemGfx(std::span<UserItemCell> cells, const UserItemGfxRead& set);

}  // namespace zelkor
