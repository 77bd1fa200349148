// Drawing a frame never touches the heap once every picture and letter it shows has
// been loaded: a game frame at 60 frames per second must not stall on the allocator.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "tests/common/busy_frame.h"

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void* Allocate(std::size_t size) {
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}

void* AllocateAligned(std::size_t size, std::align_val_t align) {
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
    const auto a = static_cast<std::size_t>(align);
    if (void* p = std::aligned_alloc(a, (size + a - 1) / a * a)) return p;
    throw std::bad_alloc();
}

}  // namespace

// Every allocation of the program goes through these while the test runs.
void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void* operator new(std::size_t size, std::align_val_t align) {
    return AllocateAligned(size, align);
}
void* operator new[](std::size_t size, std::align_val_t align) {
    return AllocateAligned(size, align);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}

namespace zelkor {
namespace {

// Counts the allocations made while `frames` runs.
template <typename Frames>
long AllocationsDuring(Frames&& frames) {
    allocations = 0;
    counting = true;
    frames();
    counting = false;
    return allocations.load();
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
    const long count = AllocationsDuring([&] {
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
    const long count = AllocationsDuring([&] {
        for (int i = 0; i < 600; ++i)
            stillFrame(i);
    });
    EXPECT_EQ(count, 0) << "allocations in 600 still frames";
}

}  // namespace
}  // namespace zelkor
