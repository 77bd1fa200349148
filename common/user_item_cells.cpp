#include "common/user_item_cells.h"

namespace zelkor {

bool AnswersToLetter(const UserItemCell& cell, char upperLetter) {
    return cell.gfx.size() == 1 && cell.gfx[0] == upperLetter;
}

UserItemCell NewUserItemCell(const UserItemCellPlaced& placed) {
    UserItemCell cell;
    cell.x = placed.x;
    cell.y = placed.y;
    cell.gfx.assign(1, placed.letter);
    return cell;
}

void DeclareUserItems(std::span<UserItemCell> cells, const UserItemTypeRead& let) {
    for (UserItemCell& cell : cells)
        if (AnswersToLetter(cell, let.letter)) cell.decl = let.type;
}

void SetUserItemGfx(std::span<UserItemCell> cells, const UserItemGfxRead& set) {
    for (UserItemCell& cell : cells) {
        if (!AnswersToLetter(cell, set.letter)) continue;
        cell.gfx = set.name;
        cell.hasGfx = true;
    }
}

}  // namespace zelkor
