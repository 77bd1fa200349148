#include "game/present/game_screen.h"

namespace zelkor {

GameScreen::GameScreen(Display& display, PictureStore& pictures, TextRenderer& text)
    : display_(display), canvas_(pictures, text) {}

// ---- loading ----------------------------------------------------------------------

std::optional<ModelList> GameScreen::CreateGraphics(const Game& game) {
    canvas_.back().Fill(kOpaqueBlack);
    return pictures().DD_CreateGraphicsFromFile(game);
}
void GameScreen::LoadBackground(const Game& game) {
    pictures().LoadBackground(game);
}
void GameScreen::PrepareLvlGfx(const Game& game) {
    pictures().PrepareLvlGfx(game);
}
void GameScreen::PrepareUserItemGfx(const Game& game) {
    pictures().PrepareUserItemGfx(game);
}

// ---- the frame ----------------------------------------------------------------------------

void GameScreen::BeginGameFrame(const Game& game) {
    canvas_.DrawBackground(Fixed::Background, false);
    playfield_.DrawStartMarkers(game);
    TextStyle style = canvas_.textStyle();
    style.face = "Balloon";
    style.colour = Argb(150, 0, 0);
    canvas_.SetTextStyle(style);
}

void GameScreen::DrawComputerSnakes(const Game& game) {
    playfield_.DrawShownSnakes(game, 2);
}

void GameScreen::DrawPlayfield(const Game& game, bool allSnakes) {
    PlayfieldPainter& p = playfield_;
    p.DrawItems(game, ItemKind::Yellow);
    p.DrawItems(game, ItemKind::Red);
    p.DrawItems(game, ItemKind::Blue);
    p.DrawItems(game, ItemKind::Black);
    if (allSnakes) {
        p.DrawItems(game, ItemKind::Power);
        p.DrawItems(game, ItemKind::TNT);
    } else {
        p.DrawItems(game, ItemKind::TNT);
        p.DrawItems(game, ItemKind::Power);
    }
    p.DrawWalls(game);
    if (game.level.UserItemGfx) p.DrawUserItems(game);
    if (allSnakes) p.DrawShownSnakes(game, 1);
}

void GameScreen::DrawPlayer(const Game& game) {
    const int length = std::min<int>(game.Snake(1).length, kBodySlots);
    for (int i = length - 1; i >= 1; --i)
        playfield_.DrawSegment(game, i, 1);
    playfield_.DrawTail(game, 1);
    playfield_.DrawHead(game, 1);
}

void GameScreen::DrawOverlays(const Game& game) {
    playfield_.DrawNameTags(game);
    hud_.DrawStatistics(game);
}

void GameScreen::DrawMessages(const Game& game) {
    hud_.DrawMessages(game);
}

void GameScreen::DrawHud(const Game& game) {
    hud_.DrawScoreLine(game);
    hud_.DrawFpsCounter(game);
    hud_.DrawCounterBar(game);
}

void GameScreen::DrawWallHitBanner(const Game& game) {
    // The scene as it stands after the life-lost box: the box and the snake's last
    // steps before the hit are gone, the lives count is the new one.
    DrawStill(game);
    info_.DrawWallHitBanner();
}

void GameScreen::DrawStill(const Game& game) {
    canvas_.DrawBackground(Fixed::Background, false);
    PlayfieldPainter& p = playfield_;
    p.DrawStartMarkers(game);
    for (ItemKind kind : {ItemKind::Yellow, ItemKind::Red, ItemKind::Blue, ItemKind::Black,
                          ItemKind::Power, ItemKind::TNT})
        p.DrawItems(game, kind);
    p.DrawWalls(game);
    if (game.level.UserItemGfx) p.DrawUserItems(game);
    p.DrawShownSnakes(game, 1);
    hud_.DrawMessages(game);
    hud_.DrawScoreLine(game);
    hud_.DrawFpsCounter(game);
    p.DrawNameTags(game);
    hud_.DrawStatistics(game);
    hud_.DrawCounterBar(game);
}

void GameScreen::RenderScene(const Game& game) {
    DrawStill(game);
    // The pictures of the boxes stay up while their key wait runs; the game-over
    // box that may follow a time-limit hit replaces the hit's lines.
    const bool gameOver = game.centredLines[0].text == "Game Over";
    if (game.flags.waitingForKey && gameOver) info_.DrawGameOverPicture();
    if (game.flags.waitingForKey && game.flags.timeLimitHit && !gameOver) info_.DrawTimeLimitHit();
    info_.DrawCentredLines(game);
}

void GameScreen::DrawPauseBanner(const Game&) {
    info_.DrawPauseBanner();
}

void GameScreen::DrawGameOverPicture(const Game&) {
    info_.DrawGameOverPicture();
}

void GameScreen::DrawTimeLimitHit(const Game&) {
    info_.DrawTimeLimitHit();
}

void GameScreen::DrawLevelInfo(const Game& game) {
    info_.DrawLevelInfo(game);
}

void GameScreen::FillVisible(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    canvas_.back().Fill(Argb(r, g, b));
}

void GameScreen::Flip() {
    display_.Present(canvas_.back());
}

bool GameScreen::SaveScreenshot(const std::filesystem::path& file) {
    return pictures().files().SavePng(canvas_.back(), file);
}

}  // namespace zelkor
