#include "game/present/snake_sprites.h"

namespace zelkor {

int HeadSlot(Dir dir) {
    switch (dir) {
        case Dir::Forw:
            return 0;
        case Dir::Back:
            return 1;
        case Dir::Left:
            return 2;
        case Dir::Right:
            return 3;
        case Dir::None:
            break;
    }
    return -1;
}

int SegmentSlot(Piece piece, bool edges, bool edgesInvers) {
    switch (piece) {
        case Piece::Forw:
            return 4;
        case Piece::Back:
            return 5;
        case Piece::Left:
            return 6;
        case Piece::Right:
            return 7;
        default:
            break;
    }
    if (!edges) return -1;
    switch (piece) {
        case Piece::FL:
            return edgesInvers ? 12 : 8;
        case Piece::RB:
            return 8;
        case Piece::LB:
            return edgesInvers ? 13 : 9;
        case Piece::FR:
            return 9;
        case Piece::RF:
            return edgesInvers ? 14 : 10;
        case Piece::BL:
            return 10;
        case Piece::BR:
            return edgesInvers ? 15 : 11;
        case Piece::LF:
            return 11;
        default:
            break;
    }
    return -1;
}

int TailSlot(Piece piece, bool tailEdges) {
    switch (piece) {
        case Piece::Forw:
            return 16;
        case Piece::Back:
            return 17;
        case Piece::Left:
            return 18;
        case Piece::Right:
            return 19;
        default:
            break;
    }
    if (!tailEdges) return -1;
    switch (piece) {
        case Piece::FL:
            return 20;
        case Piece::LB:
            return 21;
        case Piece::RF:
            return 22;
        case Piece::BR:
            return 23;
        case Piece::BL:
            return 24;
        case Piece::LF:
            return 25;
        case Piece::RB:
            return 26;
        case Piece::FR:
            return 27;
        default:
            break;
    }
    return -1;
}

}  // namespace zelkor
