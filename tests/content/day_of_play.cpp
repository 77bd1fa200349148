// A day of play: the shipped levels in turn, won by the autopilot against each level's
// computer snakes, then the crowded level with sixteen snakes, again and again until the
// game time is up. Every frame is drawn and every sound and piece of music goes to the
// recording services. Every game-hour it prints the game time, the wall time and the
// heap in use; the heap at the end stays where it was after the first game-hour. Each
// report comes at the end of the round that passed the hour.
//
// `make test` plays a few game-minutes (ZELKOR_SOAK_MINUTES, default 2);
// `make soak SOAK_HOURS=N` plays N game-hours (ZELKOR_SOAK_HOURS), on the everyday
// build or, with `make soak-asan`, under the sanitizers.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "game/control/audio/recording_audio.h"
#include "tests/content/autopilot.h"
#include "tests/content/game_folder.h"

#if defined(__SANITIZE_ADDRESS__)
#define ZELKOR_HEAP_FROM_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZELKOR_HEAP_FROM_SANITIZER 1
#endif
#endif
#ifdef ZELKOR_HEAP_FROM_SANITIZER
// The sanitizer runtime's count of the bytes its allocator has handed out and not taken
// back (GCC ships no header for it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace zelkor::content {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::int64_t kGameHour = 60 * 60 * 1000;
constexpr std::int64_t kLevelLimit = 5 * 60 * 1000;
constexpr std::int64_t kCrowdedLimit = 10 * 60 * 1000;

std::size_t HeapInUse() {
#ifdef ZELKOR_HEAP_FROM_SANITIZER
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;  // small blocks in use, and the large ones mapped
#endif
}

std::int64_t SoakGameTime() {
    if (const char* hours = std::getenv("ZELKOR_SOAK_HOURS"))
        return static_cast<std::int64_t>(std::atof(hours) * kGameHour);
    const char* minutes = std::getenv("ZELKOR_SOAK_MINUTES");
    return static_cast<std::int64_t>((minutes ? std::atof(minutes) : 2.0) * 60 * 1000);
}

std::string Hms(std::int64_t ms) {
    const std::int64_t s = ms / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(s / 3600),
                  static_cast<long long>(s / 60 % 60), static_cast<long long>(s % 60));
    return text;
}

TEST(Soak, ADayOfPlayKeepsTheHeapFlat) {
    const std::int64_t total = SoakGameTime();
    const fs::path& folder = UnpackedGameFolder();
    fs::copy_file(fs::path(ZELKOR_TEST_DATA_DIR) / "scenarios" / "crowded.dat",
                  folder / "lvl" / "crowded.dat", fs::copy_options::overwrite_existing);

    const auto wallStart = Clock::now();
    std::int64_t played = 0;
    std::int64_t nextReport = kGameHour;
    std::size_t heapAfterFirstHour = 0;
    int runs = 0, wins = 0;
    long long sounds = 0, musicCalls = 0;
    const auto report = [&](const char* when) {
        const auto wall =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - wallStart);
        std::printf(
            "soak %s: game %s, wall %s, heap %zu bytes, %d runs, %d won, %lld sounds, "
            "%lld music calls\n",
            when, Hms(played).c_str(), Hms(wall.count()).c_str(), HeapInUse(), runs, wins, sounds,
            musicCalls);
        std::fflush(stdout);
    };

    // Rounds of every shipped level, then the crowded one with sixteen snakes. The heap is
    // read between rounds, where the allocator's caches stand alike from one to the next.
    // A short soak still visits every level: each gets its share of the time.
    const std::int64_t share = std::max<std::int64_t>(total / (kShippedLevels + 1) + 1000, 5000);
    for (int turn = 0; played < total;) {
        for (int level = 1; level <= kShippedLevels + 1; ++level, ++turn) {
            const bool crowded = level > kShippedLevels;
            RecordingSound sound;
            RecordingMusic music;
            PlayOptions options;
            options.sound = &sound;
            options.music = &music;
            if (crowded) options.switches = "/AIS=15 /DM";
            const std::int64_t limit = std::min(crowded ? kCrowdedLimit : kLevelLimit, share);
            const AutopilotRun run =
                PlayLevel(folder, crowded ? "crowded.dat" : LevelFileName(level), 1000 + turn,
                          limit, options);
            played += run.playedMs;
            ++runs;
            wins += run.won ? 1 : 0;
            sounds += static_cast<long long>(sound.played.size());
            musicCalls += static_cast<long long>(music.calls.size());
            ASSERT_GT(run.playedMs, 0);
            if (crowded) {
                EXPECT_FALSE(sound.played.empty()) << "the crowded level is heard";
            }
        }
        if (played >= nextReport) {
            report(("hour " + std::to_string(nextReport / kGameHour)).c_str());
            if (nextReport == kGameHour) heapAfterFirstHour = HeapInUse();
            while (nextReport <= played)
                nextReport += kGameHour;
        }
    }
    report("end");
    EXPECT_GT(wins, 0);
    EXPECT_GT(musicCalls, 0);
    if (total >= 2 * kGameHour) {
        const double ratio =
            static_cast<double>(HeapInUse()) / static_cast<double>(heapAfterFirstHour);
        EXPECT_NEAR(ratio, 1.0, 0.05) << "heap at the end against after the first game-hour";
    }
}

}  // namespace
}  // namespace zelkor::content
