#include "game/present/game_screen.h"

#include <cmath>

#include "game/present/bitmap_font.h"
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

std::string_view Ordinal(int n) {
    switch (n) {
        case 1:
            return "st";
        case 2:
            return "nd";
        case 3:
            return "rd";
        default:
            return "th";
    }
}

// Halves go to the even neighbour.
int Round(double v) {
    return static_cast<int>(std::nearbyint(v));
}

}  // namespace

GameScreen::GameScreen(Display& display, PictureStore& pictures, TextRenderer& text)
    : display_(display), pictures_(pictures), text_(text) {
    scratch_.reserve(512);
    for (std::size_t k = 0; k < kItemLooks.size(); ++k)
        for (int f = 1; f <= 45; ++f)
            frameNames_[k][static_cast<std::size_t>(f)] =
                std::string(kItemLooks[k].folder) + "\\" + std::to_string(f) + ".bmp";
}

// ---- loading ----------------------------------------------------------------------

std::optional<ModelList> GameScreen::CreateGraphics(const Game& game) {
    back_.Fill(kOpaqueBlack);
    return pictures_.DD_CreateGraphicsFromFile(game);
}
void GameScreen::LoadBackground(const Game& game) {
    pictures_.LoadBackground(game);
}
void GameScreen::PrepareLvlGfx(const Game& game) {
    pictures_.PrepareLvlGfx(game);
}
void GameScreen::PrepareUserItemGfx(const Game& game) {
    pictures_.PrepareUserItemGfx(game);
}

// ---- building blocks ----------------------------------------------------------------

int GameScreen::DrawBmpText(std::string_view text, int x, int y, int font, bool measureOnly) {
    return zelkor::DrawBmpText(pictures_, back_, text, x, y, font, measureOnly);
}

void GameScreen::DrawBmpTextCentered(std::string_view text, int y, int font) {
    const int w = BmpTextWidth(text, font);
    DrawBmpText(text, Round(kScreenWidth / 2.0 - w / 2.0), y, font);
}

void GameScreen::SetTextStyle(std::string_view name) {
    if (name == "Standart") style_ = kStandartStyle;
}

void GameScreen::DrawSystemText(std::string_view text, int x, int y) {
    text_.Draw(back_, x, y, style_, text);
}

int GameScreen::txtWidth(std::string_view text) {
    return text_.Width(style_, text);
}

void GameScreen::DrawPic(const Game& game, std::string_view name, Rect from, int x, int y,
                         int keyMode, bool keyed) {
    pictures_.DD_DrawPic(game, back_, name, from, x, y, keyMode, keyed);
}

void GameScreen::DrawFixed(Fixed which, int x, int y, bool keyed) {
    const Surface& picture = pictures_.fixed(which);
    Blit(back_, x, y, picture, picture.bounds(), keyed);
}

void GameScreen::DrawSprite(const Game& game, int model, int slot, int x, int y) {
    if (slot < 0 || game.ModelPacks.Find(model) == nullptr) return;
    Blit(back_, x, y, pictures_.sprite(model, slot), kCell, true);
}

// ---- snakes -----------------------------------------------------------------------------

void GameScreen::DrawStartMarkers(const Game& game) {
    for (int n = 1; n <= game.world.NumSnakes; ++n) {
        const SnakeRecord& s = game.Snake(n);
        if (s.dir == Dir::None || game.world.Frozen)
            DrawSprite(game, s.model, kStartSlot, s.startX, s.startY);
    }
}

void GameScreen::DrawHead(const Game& game, int n) {
    const SnakeRecord& s = game.Snake(n);
    DrawSprite(game, s.model, HeadSlot(s.dir), s.x, s.y);
}

void GameScreen::DrawSegment(const Game& game, int segment, int n) {
    const SnakeRecord& s = game.Snake(n);
    const ModelPack* pack = game.ModelPacks.Find(s.model);
    if (pack == nullptr) return;
    const BodySegment& b = s.Segment(segment);
    DrawSprite(game, s.model, SegmentSlot(b.piece, pack->edges, pack->edgesInvers), b.x, b.y);
}

void GameScreen::DrawTail(const Game& game, int n) {
    const SnakeRecord& s = game.Snake(n);
    const ModelPack* pack = game.ModelPacks.Find(s.model);
    if (pack == nullptr) return;
    DrawSprite(game, s.model, TailSlot(s.tailPiece, pack->tailEdges), s.tailX, s.tailY);
}

void GameScreen::DrawSnake(const Game& game, int n) {
    DrawHead(game, n);
    const int length = std::min<int>(game.Snake(n).length, kBodySlots);
    for (int i = length - 1; i >= 1; --i)
        DrawSegment(game, i, n);
    DrawTail(game, n);
}

// The snakes that the last snake pass shows, from `first` on.
void GameScreen::DrawShownSnakes(const Game& game, int first) {
    for (int n = first; n <= game.world.NumSnakes; ++n)
        if (game.flags.snakeShown[n]) DrawSnake(game, n);
}

// ---- items, walls, user items ----------------------------------------------------------

void GameScreen::DrawItems(const Game& game, ItemKind kind, bool flat) {
    const ItemList& list = game.world.Items(kind);
    if (list.count <= 0) return;
    const ItemLook& look = kItemLooks[Index(kind)];
    const bool animated = game.options.animatedItems && !(kind == ItemKind::Yellow && flat);
    const int frame = std::clamp<int>(game.flags.animFrame, 1, 45);
    // One picture serves every item of the kind in this frame.
    const int entry =
        animated
            ? pictures_.PicEntry(game, frameNames_[Index(kind)][static_cast<std::size_t>(frame)],
                                 look.animatedKey)
            : pictures_.PicEntry(game, look.flat, look.flatKey);
    const Surface& picture = pictures_.entry(entry);
    const Rect from = animated ? look.animatedRect : look.flatRect;
    for (int k = 1; k <= std::min<int>(list.count, kMaxItems); ++k) {
        const ItemSlot& item = list.slots[k];
        if (item.visible) Blit(back_, item.x, item.y, picture, from, true);
    }
}

void GameScreen::DrawWalls(const Game& game) {
    const World& w = game.world;
    for (int i = 1; i <= std::min<int>(w.wallCount, kMaxWallPieces); ++i) {
        const WallPiece& piece = w.WallPieces[i];
        if (piece.standing)
            Blit(back_, piece.x, piece.y, pictures_.fixed(WallPicture(piece.kind)), kCell, true);
    }
}

void GameScreen::DrawUserItems(const Game& game) {
    const World& w = game.world;
    const int frame = std::clamp<int>(game.flags.animFrame, 1, 45);
    for (int i = 1; i <= std::min<int>(w.userItemCount, kMaxUserItemCells); ++i) {
        const UserItemCell& cell = w.UserItemCells[i];
        if (!cell.hasGfx) continue;
        if (cell.decl.rfind("wall", 0) == 0) {
            DrawPic(game, cell.gfx, kCell, cell.x, cell.y, 0);
        } else if (cell.decl.rfind("ani_wall", 0) == 0) {
            line_.clear();
            line_ << cell.gfx << '\\' << frame << ".bmp";
            DrawPic(game, line_.view(), kCell, cell.x, cell.y, 1);
        }
    }
}

// ---- text on the playfield -----------------------------------------------------------------

void GameScreen::DrawNameTags(const Game& game) {
    if (game.keys.lastKey != 49 && !game.flags.nameTags) return;
    for (int n = 1; n <= game.world.NumSnakes; ++n) {
        const SnakeRecord& s = game.Snake(n);
        style_ = kNameTagStyle;
        const int w = txtWidth(s.name);
        DrawSystemText(s.name, s.x + 10 - w / 2, s.y - 10);
        SetTextStyle("Standart");
    }
}

void GameScreen::DrawStatistics(const Game& game) {
    if (!game.flags.statistics) return;
    const bool dm = game.run.Deathmatch();
    for (int n = 1; n <= game.world.NumSnakes; ++n) {
        const SnakeRecord& s = game.Snake(n);
        line_.clear();
        line_ << s.name << ": " << s.score;
        if (dm) {
            line_ << "/frags:" << s.frags;
            if (game.flags.deathDetails) {
                if (s.deaths > 0) {
                    line_ << "/died " << s.deaths << Ordinal(s.deaths) << " time";
                } else {
                    line_ << "/not died";
                }
            }
        }
        DrawBmpText(line_.view(), 15, 120 + 10 * n, 1);
    }
}

void GameScreen::DrawMessages(const Game& game) {
    for (std::size_t i = 0; i < game.messages.size(); ++i)
        DrawBmpText(game.messages[i], 18, 40 + 10 * static_cast<int>(i), 1);
}

void GameScreen::DrawScoreLine(const Game& game) {
    const SnakeRecord& p = game.Snake(1);
    line_.clear();
    if (game.run.Deathmatch()) {
        line_ << "Score: " << p.score << "  "
              << " Level: " << game.level.LevelName;
        DrawBmpText(line_.view(), 20, 20, 3);
        line_.clear();
        line_ << p.frags;
        const int w = BmpTextWidth(line_.view(), 5);
        DrawBmpText(line_.view(), 635 - w, 450, 5);
        return;
    }
    line_ << "Score: " << p.score << "  "
          << " Lives: " << p.lives << "  "
          << " Level: " << game.level.LevelName;
    DrawBmpText(line_.view(), 20, 20, 3);
}

void GameScreen::DrawFpsCounter(const Game& game) {
    if (!game.options.showFPS) return;
    line_.clear();
    line_ << "FPS: " << game.flags.FPS;
    const int w = BmpTextWidth(line_.view(), 4);
    DrawBmpText(line_.view(), kScreenWidth - (w + 25), 20, 3);
}

void GameScreen::DrawCounterBar(const Game& game) {
    const SnakeRecord& p = game.Snake(1);
    const bool animated = game.options.animatedItems;
    struct Counter {
        const char* animatedName;
        const char* flatName;
        int x;
        int count;
    };
    const std::array<Counter, 4> bananas{
        {{"Yellow_animated\\1.bmp", "banana.bmp", 25, p.yellowEaten},
         {"Red_animated\\1.bmp", "red_banana.bmp", 75, p.redEaten},
         {"Blue_animated\\1.bmp", "blue_banana.bmp", 127, p.blueEaten},
         {"Black_animated\\1.bmp", "black_banana.bmp", 177, p.blackEaten}}};
    for (const Counter& c : bananas) {
        if (animated) {
            DrawPic(game, c.animatedName, {0, 0, 16, 24}, c.x, 448, 1);
        } else {
            DrawPic(game, c.flatName, {0, 0, 16, 16}, c.x, 450, 0);
        }
    }
    DrawPic(game, "TNT_animated\\1.bmp", {0, 0, 16, 24}, 224, 448, 2);
    for (const Counter& c : bananas) {
        line_.clear();
        line_ << '=' << c.count;
        DrawBmpText(line_.view(), c.x + 16, 452, 4);
    }
    line_.clear();
    line_ << '=' << p.tnt;
    DrawBmpText(line_.view(), 240, 452, 4);
}

void GameScreen::DrawCentredLines(const Game& game) {
    int top = kScreenHeight;
    int bottom = 0;
    for (const CentredLine& line : game.centredLines) {
        if (line.text.empty()) continue;
        top = std::min<int>(top, line.y);
        bottom = std::max<int>(bottom, line.y + 16);
    }
    if (top >= bottom) return;
    // The box: the lines stand on a darkened band so they read over any scene.
    const Rect band = Intersect({60, top - 8, kScreenWidth - 60, bottom + 8}, back_.bounds());
    for (int y = band.top; y < band.bottom; ++y) {
        std::uint32_t* row = back_.Row(y);
        for (int x = band.left; x < band.right; ++x)
            row[x] = 0xFF000000u | ((row[x] >> 2) & 0x003F3F3Fu);
    }
    for (const CentredLine& line : game.centredLines)
        if (!line.text.empty()) DrawBmpTextCentered(line.text, line.y, line.font);
}

// ---- the frame ----------------------------------------------------------------------------

void GameScreen::BeginGameFrame(const Game& game) {
    back_.Fill(kOpaqueBlack);
    DrawFixed(Fixed::Background, 0, 0, false);
    DrawStartMarkers(game);
    style_.face = "Balloon";
    style_.colour = Argb(150, 0, 0);
}

void GameScreen::DrawComputerSnakes(const Game& game) {
    DrawShownSnakes(game, 2);
}

void GameScreen::DrawPlayfield(const Game& game, bool allSnakes) {
    DrawItems(game, ItemKind::Yellow);
    DrawItems(game, ItemKind::Red);
    DrawItems(game, ItemKind::Blue);
    DrawItems(game, ItemKind::Black);
    if (allSnakes) {
        DrawItems(game, ItemKind::Power);
        DrawItems(game, ItemKind::TNT);
    } else {
        DrawItems(game, ItemKind::TNT);
        DrawItems(game, ItemKind::Power);
    }
    DrawWalls(game);
    if (game.level.UserItemGfx) DrawUserItems(game);
    if (allSnakes) DrawShownSnakes(game, 1);
}

void GameScreen::DrawPlayer(const Game& game) {
    const int length = std::min<int>(game.Snake(1).length, kBodySlots);
    for (int i = length - 1; i >= 1; --i)
        DrawSegment(game, i, 1);
    DrawTail(game, 1);
    DrawHead(game, 1);
}

void GameScreen::DrawOverlays(const Game& game) {
    DrawNameTags(game);
    DrawStatistics(game);
}

void GameScreen::DrawHud(const Game& game) {
    DrawScoreLine(game);
    DrawFpsCounter(game);
    DrawCounterBar(game);
}

void GameScreen::DrawWallHitBanner(const Game& game) {
    // The scene as it stands after the life-lost box: the box and the snake's last
    // steps before the hit are gone, the lives count is the new one.
    DrawStill(game);
    const Surface& banner = pictures_.fixed(Fixed::HitWall);
    Blit(back_, kScreenWidth / 2 - banner.width() / 2, 215, banner, {0, 0, 203, 24}, true);
}

void GameScreen::DrawStill(const Game& game) {
    back_.Fill(kOpaqueBlack);
    DrawFixed(Fixed::Background, 0, 0, false);
    DrawStartMarkers(game);
    DrawItems(game, ItemKind::Yellow);
    DrawItems(game, ItemKind::Red);
    DrawItems(game, ItemKind::Blue);
    DrawItems(game, ItemKind::Black);
    DrawItems(game, ItemKind::Power);
    DrawItems(game, ItemKind::TNT);
    DrawWalls(game);
    if (game.level.UserItemGfx) DrawUserItems(game);
    DrawShownSnakes(game, 1);
    DrawMessages(game);
    DrawScoreLine(game);
    DrawFpsCounter(game);
    DrawNameTags(game);
    DrawStatistics(game);
    DrawCounterBar(game);
}

void GameScreen::RenderScene(const Game& game) {
    DrawStill(game);
    // The pictures of the boxes stay up while their key wait runs; the game-over
    // box that may follow a time-limit hit replaces the hit's lines.
    const bool gameOver = game.centredLines[0].text == "Game Over";
    if (game.flags.waitingForKey && gameOver) DrawGameOverPicture(game);
    if (game.flags.waitingForKey && game.flags.timeLimitHit && !gameOver) DrawTimeLimitHit(game);
    DrawCentredLines(game);
}

void GameScreen::DrawPauseBanner(const Game&) {
    const Surface& banner = pictures_.fixed(Fixed::Pause);
    Blit(back_, kScreenWidth / 2 - banner.width() / 2, 210, banner, {0, 0, 174, 44}, true);
}

void GameScreen::DrawGameOverPicture(const Game&) {
    const Surface& banner = pictures_.fixed(Fixed::GameOver);
    Blit(back_, kScreenWidth / 2 - banner.width() / 2, 160, banner, {0, 0, 174, 44}, true);
}

void GameScreen::DrawTimeLimitHit(const Game&) {
    const TextStyle saved = style_;
    style_ = {"Balloon", 20, true, Argb(250, 250, 250)};
    DrawSystemText("Time Limit Hit!", 230, 210);
    style_ = {"Balloon", 12, false, Argb(250, 250, 31)};
    DrawSystemText("Press Enter", 270, 250);
    style_ = saved;
}

void GameScreen::DrawLevelInfo(const Game& game) {
    DrawFixed(Fixed::Statistics, 162, 140);
    if (game.run.debug) {
        line_.clear();
        line_ << "Zelkor v." << kGameVersion;
        DrawBmpText(line_.view(), 477 - BmpTextWidth(line_.view(), 1), 146, 1);
    }
    const SnakeRecord& p = game.Snake(1);
    const LevelSettings& l = game.level;
    if (game.run.Deathmatch()) {
        DrawBmpText("Deathmatch!", 180, 185, 4);
        line_.clear();
        if (game.run.huntingMode) {
            DrawBmpText("Hunting Mode", 200, 205, 4);
            line_ << "Length " << game.run.limit << " wins the match.";
            DrawBmpText(line_.view(), 200, 220, 4);
        } else {
            line_ << game.run.limit << " frags wins the match.";
            DrawBmpText(line_.view(), 200, 205, 4);
        }
    } else {
        DrawBmpTextCentered("To complete this level you need:", 185, 4);
        struct Requirement {
            const char* label;
            double required;
            int have;
            ItemKind kind;
        };
        const std::array<Requirement, 4> reqs{
            {{"Yellow", l.ReqYellow, p.yellowEaten, ItemKind::Yellow},
             {"Red", l.ReqRed, p.redEaten, ItemKind::Red},
             {"Blue", l.ReqBlue, p.blueEaten, ItemKind::Blue},
             {"Black", l.ReqBlack, p.blackEaten, ItemKind::Black}}};
        for (std::size_t i = 0; i < reqs.size(); ++i) {
            const Requirement& r = reqs[i];
            const int y = 203 + 20 * static_cast<int>(i);
            line_.clear();
            line_ << r.label << ": " << static_cast<std::int64_t>(std::llround(r.required))
                  << " (you have " << r.have << ")";
            DrawBmpTextCentered(line_.view(), y, 4);
            // The kind's picture left of its line.
            const int left = Round(kScreenWidth / 2.0 - BmpTextWidth(line_.view(), 4) / 2.0) - 22;
            const ItemLook& look = kItemLooks[Index(r.kind)];
            if (game.options.animatedItems) {
                DrawPic(game, frameNames_[Index(r.kind)][1], look.animatedRect, left, y - 5,
                        look.animatedKey);
            } else {
                DrawPic(game, look.flat, look.flatRect, left, y - 1, look.flatKey);
            }
        }
        line_.clear();
        line_ << "Score: " << l.ReqScore << " (you have " << p.score << ")";
        DrawBmpTextCentered(line_.view(), 282, 4);
        line_.clear();
        line_ << "Your Total Score: " << p.totalScore;
        DrawBmpTextCentered(line_.view(), 295, 4);
    }
    line_.clear();
    if (l.TimeLimit > 0) {
        line_ << static_cast<std::int64_t>(std::llround(l.TimeLimit - game.flags.levelClock))
              << " seconds remain";
    } else {
        line_ << game.flags.levelClock << " seconds gone";
    }
    DrawBmpTextCentered(line_.view(), 306, 4);
    DrawBmpText("Press F1", 172, 326, 1);

    // The lights run round: each step moves the colours one place on.
    constexpr std::array<Fixed, 4> kCycle{Fixed::LedRed, Fixed::LedGreen, Fixed::LedYellow,
                                          Fixed::LedBlue};
    const int step = game.flags.lightCounter % 4;
    for (int i = 0; i < 5; ++i)
        DrawFixed(kCycle[static_cast<std::size_t>((i + 4 - step) % 4)], 427 + 10 * i, 333);
}

void GameScreen::FillVisible(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    back_.Fill(Argb(r, g, b));
}

void GameScreen::DrawKeyNumber(int scanCode) {
    line_.clear();
    line_ << ' ' << scanCode;
    DrawSystemText(line_.view(), 1, 1);
}

void GameScreen::Flip() {
    display_.Present(back_);
}

bool GameScreen::SaveScreenshot(const std::filesystem::path& file) {
    return pictures_.files().SavePng(back_, file);
}

}  // namespace zelkor
