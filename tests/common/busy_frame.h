#pragma once

// The busiest frame the playfield can show, drawn from the game's own pictures:
// sixteen long snakes, every item list full and animated, a wall on every cell, user
// items over them, and all the text switched on. The drawn-frame benchmark and the
// allocation test share it.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "common/settings_store.h"
#include "game/control/run/game_setup.h"
#include "game/control/run/message_box.h"
#include "game/platform/archive_readers.h"
#include "game/platform/sdl_pictures.h"
#include "game/platform/sdl_text.h"
#include "game/rules/messages.h"
#include "tests/common/temp_folder.h"

namespace zelkor {

// A game folder with the staged archives and model packs, unpacked and loaded the
// way start-up does it.
struct BusyFrame {
    BusyFrame() {
        const std::filesystem::path dist(ZELKOR_DIST_DIR);
        for (const char* archive : {"gfx.zkr", "bricks.zkr"})
            std::filesystem::copy_file(dist / archive, folder.path() / archive);
        std::filesystem::create_directories(folder.path() / "models");
        for (const auto& pack : std::filesystem::directory_iterator(dist / "models"))
            if (pack.path().extension() == ".zmp")
                std::filesystem::copy_file(pack.path(),
                                           folder.path() / "models" / pack.path().filename());
        game.options.animatedItems = true;
        game.ModelPacks = setup.screen().CreateGraphics(game).value_or(ModelList{});
        setup.window().UnpackRequiredArchive("bricks.zkr");
        game.flags.displayReady = true;
        if (game.ModelPacks.highest < 0) {
            std::cerr << "no model packs in " << dist << "\n";
            std::exit(1);
        }
        Fill();
    }

    // Sixteen snakes of 99 segments crawling through the upper half, every item list
    // full (or holding `itemsPerKind`) in the lower half, a wall on every cell, a user item (still
    // and animated in turn) on every cell of the middle rows, the score line with frags, the FPS
    // counter, five message lines, name tags and the statistics with death details.
    // God mode keeps every snake alive and shown.
    void Fill(int itemsPerKind = kMaxItems) {
        World& w = game.world;
        game.level.ReqYellow = 1e9;  // the level goes on: no level-end box waits for Enter
        game.level.LevelName = "Worst Case";
        game.run.gameMode = "DM";
        game.run.limit = 30000;
        game.cheats.godMode = true;
        game.flags.nameTags = true;
        game.flags.statistics = true;
        game.flags.deathDetails = true;
        game.options.showFPS = true;
        game.flags.FPS = 60;
        for (auto& used : game.level.usesGfx)
            used = true;
        w.NumSnakes = kMaxSnakes;
        w.Frozen = false;
        for (int n = 1; n <= kMaxSnakes; ++n) {
            SnakeRecord& s = game.Snake(n);
            s.startX = s.x = static_cast<std::int16_t>(30 + 20 * ((n * 7) % 28));
            s.startY = s.y = static_cast<std::int16_t>(30 + 12 * n);
            s.length = kMaxLength;
            s.dir = s.nextDir = Dir::Right;
            s.speed = s.curSpeed = 1;
            s.model = static_cast<std::int16_t>(n % (game.ModelPacks.highest + 1));
            s.name = n == 1 ? "Player" : "<bot> Snake " + std::to_string(n);
            s.score = 1000 * n;
            s.frags = static_cast<std::int16_t>(n);
            s.deaths = static_cast<std::int16_t>(n % 4);
        }
        for (ItemKind kind : kItemKinds) {
            ItemList& list = w.Items(kind);
            list.count = static_cast<std::int16_t>(itemsPerKind);
            for (int k = 1; k <= itemsPerKind; ++k) {
                list.slots[k].x = static_cast<std::int16_t>(20 + (k * 37) % 600);
                list.slots[k].y = static_cast<std::int16_t>(260 + (k * 53) % 190);
                list.slots[k].visible = true;
            }
        }
        constexpr std::array<WallKind, 7> kKinds{WallKind::v,   WallKind::h,   WallKind::v_l,
                                                 WallKind::v_r, WallKind::h_t, WallKind::h_b,
                                                 WallKind::s};
        for (int i = 1; i <= kMaxWallPieces; ++i) {
            const int cell = i - 1;
            w.WallPieces[i] = WallPiece{static_cast<std::int16_t>(20 * (cell % kGridColumns)),
                                        static_cast<std::int16_t>(20 * (cell / kGridColumns)), true,
                                        kKinds[static_cast<std::size_t>(i % 7)]};
        }
        w.wallCount = kMaxWallPieces;
        constexpr int kUserItems = 2 * kGridColumns;
        for (int i = 1; i <= kUserItems; ++i) {
            UserItemCell& cell = w.UserItemCells[i];
            cell.x = static_cast<std::int16_t>(20 * ((i - 1) % kGridColumns));
            cell.y = static_cast<std::int16_t>(200 + 20 * ((i - 1) / kGridColumns));
            cell.hasGfx = true;
            const bool still = i % 2 == 0;
            cell.gfx = still ? "bricks\\brick2_h.bmp" : "bricks\\wall2_animated";
            cell.decl = still ? "wall" : "ani_wall";
        }
        w.userItemCount = kUserItems;
        game.level.UserItemGfx = true;
        for (int i = 0; i < 5; ++i)
            ShowMessage(game, "Snake " + std::to_string(i) + " got another frag! (10xBlue)");
        for (Timer& t : game.timers.iWait)
            t.interval = 1;
        setup.screen().PrepareLvlGfx(game);
        setup.screen().PrepareUserItemGfx(game);
    }

    // One game frame as the main loop draws it; every step timer has run out, the
    // player's too when `playerSteps`. The animation turns on every frame, so each
    // item picture is looked up afresh.
    void GameFrame(bool playerSteps) {
        for (std::size_t k = 1; k < game.timers.iWait.size(); ++k)
            game.timers.iWait[k].Disable();
        if (playerSteps) {
            game.timers.iWait[0].Disable();
        } else {
            game.timers.iWait[0].Enable(clock.NowMs());
        }
        setup.window().GameFrame();
        clock.Advance(16);
        game.flags.animFrame = static_cast<std::int16_t>(game.flags.animFrame % 45 + 1);
    }

    TempFolder folder;
    ManualClock clock{1'000'000};
    NullKeyboard keyboard;
    NoWindowEvents events;
    NullDisplay display;
    SdlPictureFiles files;
    SdlTextRenderer text;
    SilentSound sound;
    SilentMusic music;
    MemorySettingsStore settings;
    NullMessageBox messageBox;
    LibraryArchiveReaders readers;
    GameSetup setup{GameServices{clock, keyboard, events, display, files, text, sound, music,
                                 settings, messageBox, readers},
                    folder.path()};
    Game& game = setup.game();
};

}  // namespace zelkor
