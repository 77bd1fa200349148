#pragma once

// The busiest frame the playfield can show, drawn from the game's own pictures: the
// worst-case world with a wall on every cell, user items over them, every item animated
// and all the text switched on. The drawn-frame benchmark and the allocation test share it.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "game/platform/archive_readers.h"
#include "game/rules/messages.h"
#include "tests/common/temp_folder.h"
#include "tests/support/quiet_services.h"
#include "tests/support/worst_case_world.h"

namespace zelkor::support {

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

    // The worst-case world (`itemsPerKind` of each item), a wall on every cell, a user
    // item (still and animated in turn) on every cell of the middle rows, the score line
    // with frags, the FPS counter, five message lines, name tags and the statistics with
    // death details.
    void Fill(int itemsPerKind = kMaxItems) {
        FillWorstCase(game, itemsPerKind);
        World& w = game.world;
        game.level.LevelName = "Worst Case";
        game.flags.nameTags = true;
        game.flags.statistics = true;
        game.flags.deathDetails = true;
        game.options.showFPS = true;
        game.flags.FPS = 60;
        for (auto& used : game.level.usesGfx)
            used = true;
        for (int n = 1; n <= kMaxSnakes; ++n) {
            SnakeRecord& s = game.Snake(n);
            s.model = static_cast<std::int16_t>(n % (game.ModelPacks.highest + 1));
            s.name = n == 1 ? "Player" : "<bot> Snake " + std::to_string(n);
            s.score = 1000 * n;
            s.frags = static_cast<std::int16_t>(n);
            s.deaths = static_cast<std::int16_t>(n % 4);
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
            game.timers.iWait[0].Enable(quiet.clock.NowMs());
        }
        setup.window().GameFrame();
        quiet.clock.Advance(16);
        game.flags.animFrame = static_cast<std::int16_t>(game.flags.animFrame % 45 + 1);
    }

    TempFolder folder;
    QuietServices quiet{1'000'000};
    NoWindowEvents events;
    LibraryArchiveReaders readers;
    GameSetup setup{quiet.Services(events, readers), folder.path()};
    Game& game = setup.game();
};

}  // namespace zelkor::support
