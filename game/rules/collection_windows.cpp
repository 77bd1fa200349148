#include "game/rules/collection_windows.h"

namespace zelkor {
namespace {

constexpr Window kRound{16, 16, 16, 16};  // yellow and blue
constexpr Window kRed{16, 12, 12, 12};    // narrower in Y than the black one
constexpr Window kSquare = kWallWindow;   // black, TNT, power

}  // namespace

Window ItemWindow(ItemKind kind) {
    switch (kind) {
        case ItemKind::Yellow:
        case ItemKind::Blue:
            return kRound;
        case ItemKind::Red:
            return kRed;
        case ItemKind::Black:
        case ItemKind::TNT:
        case ItemKind::Power:
            break;
    }
    return kSquare;
}

bool MeetsItem(ItemKind kind, int x, int y, int tx, int ty) {
    return ItemWindow(kind).Holds(x, y, tx, ty);
}

bool MeetsWall(int x, int y, int tx, int ty) {
    return kWallWindow.Holds(x, y, tx, ty);
}

bool MeetsBody(int x, int y, int tx, int ty) {
    return tx - 20 < x && x < tx + 20 && ty - 20 < y && y < ty + 20;
}

}  // namespace zelkor
