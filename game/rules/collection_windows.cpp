#include "game/rules/collection_windows.h"

namespace zelkor {
namespace {

// The window tx - left <= x <= tx + right, ty - up <= y <= ty + down.
struct Window {
    int left, right, up, down;
    bool Holds(int x, int y, int tx, int ty) const {
        return tx - left <= x && x <= tx + right && ty - up <= y && y <= ty + down;
    }
};

constexpr Window kRound{16, 16, 16, 16};   // yellow and blue
constexpr Window kRed{16, 12, 12, 12};     // narrower in Y than the black one
constexpr Window kSquare{16, 12, 16, 12};  // black, TNT, power, walls

}  // namespace

bool MeetsItem(ItemKind kind, int x, int y, int tx, int ty) {
    switch (kind) {
        case ItemKind::Yellow:
        case ItemKind::Blue:
            return kRound.Holds(x, y, tx, ty);
        case ItemKind::Red:
            return kRed.Holds(x, y, tx, ty);
        case ItemKind::Black:
        case ItemKind::TNT:
        case ItemKind::Power:
            break;
    }
    return kSquare.Holds(x, y, tx, ty);
}

bool MeetsWall(int x, int y, int tx, int ty) {
    return kSquare.Holds(x, y, tx, ty);
}

bool MeetsBody(int x, int y, int tx, int ty) {
    return tx - 20 < x && x < tx + 20 && ty - 20 < y && y < ty + 20;
}

}  // namespace zelkor
