#include "game/present/playfield_painter.h"

#include <algorithm>

#include "game/present/snake_sprites.h"

namespace zelkor {
namespace {

constexpr std::size_t Index(ItemKind kind) {
    return static_cast<std::size_t>(kind);
}

// How an item kind is drawn: its flat picture and its animation folder.
struct ItemLook {
    const char* flat;
    int flatKey;
    Rect flatRect;
    const char* folder;
    int animatedKey;
    Rect animatedRect;
};
constexpr std::array<ItemLook, 6> kItemLooks{{
    {"banana.bmp", 0, {0, 0, 16, 16}, "Yellow_animated", 1, {0, 0, 16, 24}},
    {"red_banana.bmp", 0, {0, 0, 16, 16}, "red_animated", 1, {0, 0, 16, 24}},
    {"blue_banana.bmp", 0, {0, 0, 16, 16}, "blue_animated", 1, {0, 0, 16, 24}},
    {"black_banana.bmp", 0, {0, 0, 16, 16}, "black_animated", 1, {0, 0, 16, 24}},
    {"tnt.bmp", 0, {0, 0, 16, 16}, "tnt_animated", 2, {0, 0, 16, 24}},
    {"atomic_animated\\1.bmp", 1, {0, 0, 22, 21}, "atomic_animated", 1, {0, 0, 22, 21}},
}};

constexpr Rect kCell{0, 0, 20, 20};

Fixed WallPicture(WallKind kind) {
    switch (kind) {
        case WallKind::v:  // each straight kind takes the picture named with the other letter
            return Fixed::BrikH;
        case WallKind::h:
            return Fixed::BrikV;
        case WallKind::v_l:
            return Fixed::BrikVL;
        case WallKind::v_r:
            return Fixed::BrikVR;
        case WallKind::h_t:
            return Fixed::BrikHT;
        case WallKind::h_b:
            return Fixed::BrikHB;
        case WallKind::s:
            break;
    }
    return Fixed::Brik;
}

}  // namespace

PlayfieldPainter::PlayfieldPainter(Canvas& canvas) : canvas_(canvas) {
    for (std::size_t k = 0; k < kItemLooks.size(); ++k)
        for (int f = 1; f <= 45; ++f)
            frameNames_[k][static_cast<std::size_t>(f)] =
                std::string(kItemLooks[k].folder) + "\\" + std::to_string(f) + ".bmp";
}

void PlayfieldPainter::DrawSprite(const Game& game, int model, int slot, int x, int y) {
    if (slot < 0 || game.ModelPacks.Find(model) == nullptr) return;
    Blit(canvas_.back(), x, y, canvas_.pictures().sprite(model, slot), kCell, true);
}

// ---- snakes -----------------------------------------------------------------------------

void PlayfieldPainter::DrawStartMarkers(const Game& game) {
    for (int n = 1; n <= game.world.NumSnakes; ++n) {
        const SnakeRecord& s = game.Snake(n);
        if (s.dir == Dir::None || game.world.Frozen)
            DrawSprite(game, s.model, kStartSlot, s.startX, s.startY);
    }
}

void PlayfieldPainter::DrawHead(const Game& game, int n) {
    const SnakeRecord& s = game.Snake(n);
    DrawSprite(game, s.model, HeadSlot(s.dir), s.x, s.y);
}

void PlayfieldPainter::DrawSegment(const Game& game, int segment, int n) {
    const SnakeRecord& s = game.Snake(n);
    const ModelPack* pack = game.ModelPacks.Find(s.model);
    if (pack == nullptr) return;
    const BodySegment& b = s.Segment(segment);
    DrawSprite(game, s.model, SegmentSlot(b.piece, pack->edges, pack->edgesInvers), b.x, b.y);
}

void PlayfieldPainter::DrawTail(const Game& game, int n) {
    const SnakeRecord& s = game.Snake(n);
    const ModelPack* pack = game.ModelPacks.Find(s.model);
    if (pack == nullptr) return;
    DrawSprite(game, s.model, TailSlot(s.tailPiece, pack->tailEdges), s.tailX, s.tailY);
}

void PlayfieldPainter::DrawSnake(const Game& game, int n) {
    DrawHead(game, n);
    const int length = std::min<int>(game.Snake(n).length, kBodySlots);
    for (int i = length - 1; i >= 1; --i)
        DrawSegment(game, i, n);
    DrawTail(game, n);
}

void PlayfieldPainter::DrawShownSnakes(const Game& game, int first) {
    for (int n = first; n <= game.world.NumSnakes; ++n)
        if (game.flags.snakeShown[n]) DrawSnake(game, n);
}

// ---- items, walls, user items ----------------------------------------------------------

void PlayfieldPainter::DrawItems(const Game& game, ItemKind kind, bool flat) {
    const ItemList& list = game.world.Items(kind);
    if (list.count <= 0) return;
    const ItemLook& look = kItemLooks[Index(kind)];
    const bool animated = game.options.animatedItems && !(kind == ItemKind::Yellow && flat);
    const int frame = std::clamp<int>(game.flags.animFrame, 1, 45);
    PictureStore& pictures = canvas_.pictures();
    // One picture serves every item of the kind in this frame.
    const int entry =
        animated
            ? pictures.PicEntry(game, frameNames_[Index(kind)][static_cast<std::size_t>(frame)],
                                look.animatedKey)
            : pictures.PicEntry(game, look.flat, look.flatKey);
    const Surface& picture = pictures.entry(entry);
    const Rect from = animated ? look.animatedRect : look.flatRect;
    for (int k = 1; k <= std::min<int>(list.count, kMaxItems); ++k) {
        const ItemSlot& item = list.slots[k];
        if (item.visible) Blit(canvas_.back(), item.x, item.y, picture, from, true);
    }
}

void PlayfieldPainter::DrawItemIcon(const Game& game, ItemKind kind, int x, int y) {
    const ItemLook& look = kItemLooks[Index(kind)];
    if (game.options.animatedItems) {
        canvas_.DrawPic(game, frameNames_[Index(kind)][1], look.animatedRect, x, y - 5,
                        look.animatedKey);
    } else {
        canvas_.DrawPic(game, look.flat, look.flatRect, x, y - 1, look.flatKey);
    }
}

void PlayfieldPainter::DrawWalls(const Game& game) {
    const World& w = game.world;
    for (int i = 1; i <= std::min<int>(w.wallCount, kMaxWallPieces); ++i) {
        const WallPiece& piece = w.WallPieces[i];
        if (piece.standing)
            Blit(canvas_.back(), piece.x, piece.y,
                 canvas_.pictures().fixed(WallPicture(piece.kind)), kCell, true);
    }
}

void PlayfieldPainter::DrawUserItems(const Game& game) {
    const World& w = game.world;
    const int frame = std::clamp<int>(game.flags.animFrame, 1, 45);
    LineText& line = canvas_.line();
    for (int i = 1; i <= std::min<int>(w.userItemCount, kMaxUserItemCells); ++i) {
        const UserItemCell& cell = w.UserItemCells[i];
        if (!cell.hasGfx) continue;
        if (cell.decl.rfind("wall", 0) == 0) {
            canvas_.DrawPic(game, cell.gfx, kCell, cell.x, cell.y, 0);
        } else if (cell.decl.rfind("ani_wall", 0) == 0) {
            line.clear();
            line << cell.gfx << '\\' << frame << ".bmp";
            canvas_.DrawPic(game, line.view(), kCell, cell.x, cell.y, 1);
        }
    }
}

void PlayfieldPainter::DrawNameTags(const Game& game) {
    // The second key of the name tags shows them while it is the last key that acted.
    const int peek = game.options.keys.Of(Action::NameTags)[1];
    if (!game.flags.nameTags && (peek == 0 || game.keys.lastKey != peek)) return;
    for (int n = 1; n <= game.world.NumSnakes; ++n) {
        const SnakeRecord& s = game.Snake(n);
        canvas_.SetTextStyle(kNameTagStyle);
        const int w = canvas_.txtWidth(s.name);
        // Centred above the head, but kept inside the screen.
        const int x = std::clamp(s.x + 10 - w / 2, 0, std::max(0, kScreenWidth - w));
        canvas_.DrawSystemText(s.name, x, std::max(0, s.y - 10));
        canvas_.SetTextStyle("Standart");
    }
}

}  // namespace zelkor
