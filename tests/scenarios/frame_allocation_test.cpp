// Drawing a frame never touches the heap once every picture and letter it shows has
// been loaded: a game frame at 60 frames per second must not stall on the allocator.
#include <gtest/gtest.h>

#include "tests/support/allocation_count.h"
#include "tests/support/busy_frame.h"

namespace zelkor {
namespace {

using support::BusyFrame;

// Counts the allocations made while `frames` runs.
template <typename Frames>
std::int64_t AllocationsDuring(Frames&& frames) {
    const std::int64_t before = AllocationsSoFar();
    frames();
    return AllocationsSoFar() - before;
}

class FrameAllocations : public ::testing::Test {
protected:
    static void SetUpTestSuite() { scene_ = new BusyFrame; }
    static void TearDownTestSuite() {
        delete scene_;
        scene_ = nullptr;
    }
    // Twenty items of each kind: the computer snakes' steering over full item lists
    // would make the frames slow without drawing anything else.
    void SetUp() override { scene_->Fill(20); }

    static BusyFrame* scene_;
};
BusyFrame* FrameAllocations::scene_ = nullptr;

TEST_F(FrameAllocations, GameFramesAfterWarmUpAllocateNothing) {
    BusyFrame& d = *scene_;
    // Warm-up: every animation frame of every picture, and every letter the text shows.
    for (int i = 0; i < 100; ++i)
        d.GameFrame(i % 3 == 0);
    // and every picture loaded, each of which may show up first much later (a kind of
    // item that none of the warm-up's frames showed): a picture works out its keyed copy
    // the first time it is drawn.
    const PictureStore& pictures = d.setup.screen().pictures();
    Surface scratch(30, 30);
    for (int model = 0; model <= d.game.ModelPacks.highest; ++model)
        for (int slot = 0; slot < kModelSlots; ++slot)
            Blit(scratch, 0, 0, pictures.sprite(model, slot), {0, 0, 30, 30}, true);
    for (int entry = 1; entry <= kPicBufferSize; ++entry)
        Blit(scratch, 0, 0, pictures.entry(entry), {0, 0, 30, 30}, true);
    const std::int64_t count = AllocationsDuring([&] {
        for (int i = 0; i < 600; ++i)
            d.GameFrame(i % 3 == 0);
    });
    EXPECT_EQ(count, 0) << "allocations in 600 game frames";
    // The frames were drawn: the playfield is not black.
    EXPECT_NE(d.setup.screen().backBuffer().Pixel(320, 240), kOpaqueBlack);
}

TEST_F(FrameAllocations, StillScreensAllocateNothing) {
    // The pause screen, the information screen and the boxes redraw the still scene.
    BusyFrame& d = *scene_;
    GameScreen& screen = d.setup.screen();
    d.game.run.gameMode.clear();  // the information screen's requirement lines
    d.game.centredLines[0] = {"Level Completed!", 200, 3};
    d.game.centredLines[1] = {"Press Enter", 230, 1};
    auto stillFrame = [&](int i) {
        screen.RenderScene(d.game);
        screen.DrawPauseBanner(d.game);
        screen.DrawLevelInfo(d.game);
        screen.Flip();
        d.game.flags.animFrame = static_cast<std::int16_t>(i % 45 + 1);
        d.game.flags.lightCounter = static_cast<std::int16_t>(i % 5);
    };
    for (int i = 0; i < 90; ++i)
        stillFrame(i);
    const std::int64_t count = AllocationsDuring([&] {
        for (int i = 0; i < 600; ++i)
            stillFrame(i);
    });
    EXPECT_EQ(count, 0) << "allocations in 600 still frames";
}

}  // namespace
}  // namespace zelkor
