#include "game/present/surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "game/present/pictures.h"

namespace zelkor {
namespace {

// The copy pixel by pixel, as the game first drew: the runs must give the same picture.
void BlitEachPixel(Surface& target, int x, int y, const Surface& source, Rect from, bool keyed) {
    const Rect inside = Intersect(from, source.bounds());
    for (int sy = inside.top; sy < inside.bottom; ++sy) {
        for (int sx = inside.left; sx < inside.right; ++sx) {
            const int tx = x + sx - from.left, ty = y + sy - from.top;
            if (tx < 0 || ty < 0 || tx >= target.width() || ty >= target.height()) continue;
            const std::uint32_t p = source.Pixel(sx, sy);
            if (!keyed || AlphaOf(p) == 255) {
                target.SetPixel(tx, ty, p);
            } else if (AlphaOf(p) != 0) {
                Surface under(1, 1, target.Pixel(tx, ty));  // the blend of one pixel
                Blit(under, 0, 0, Surface(1, 1, p), {0, 0, 1, 1}, true);
                target.SetPixel(tx, ty, under.Pixel(0, 0));
            }
        }
    }
}

TEST(Blit, CopiesByRunsWhatACopyPixelByPixelGivesWhereverThePictureIsCut) {
    std::mt19937 random(7);
    const auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    constexpr int kW = 48, kH = 40;
    for (int round = 0; round < 400; ++round) {
        // A picture of key-coloured holes, opaque stretches and partly covered pixels.
        Surface picture(1 + below(30), 1 + below(30));
        for (std::uint32_t& p : picture.pixels()) {
            const int shade = below(4) == 0 ? below(11) : below(256);  // near-black is keyed
            p = Argb(static_cast<std::uint8_t>(shade), static_cast<std::uint8_t>(below(256)),
                     static_cast<std::uint8_t>(below(2) * shade));
        }
        ApplyColourKey(picture, below(3));
        for (int k = below(8); k > 0; --k)
            picture.SetPixel(below(picture.width()), below(picture.height()),
                             Argb(90, 180, 30, static_cast<std::uint8_t>(below(256))));
        // Placed anywhere from fully off the left or top edge to fully off the right or
        // bottom one, with a part that may reach past the picture.
        const int x = below(kW + 2 * 32) - 32, y = below(kH + 2 * 32) - 32;
        const int left = below(picture.width() + 6) - 3, top = below(picture.height() + 6) - 3;
        const Rect from{left, top, left + below(36), top + below(36)};
        const bool keyed = below(4) != 0;
        // A background's fill is left out only when the part copied has no hole.
        const Rect inside = Intersect(from, picture.bounds());
        bool noHole = true;
        for (int sy = inside.top; sy < inside.bottom; ++sy)
            for (int sx = inside.left; sx < inside.right; ++sx)
                noHole = noHole && AlphaOf(picture.Pixel(sx, sy)) == 255;
        ASSERT_EQ(picture.OpaqueOver(inside), noHole) << "round " << round;

        Surface byRuns(kW, kH, Argb(static_cast<std::uint8_t>(below(256)), 40, 200));
        Surface byPixel = byRuns;
        for (int pass = 0; pass < 2; ++pass) {  // the second after a change to the picture
            Blit(byRuns, x, y, picture, from, keyed);
            BlitEachPixel(byPixel, x, y, picture, from, keyed);
            ASSERT_TRUE(std::ranges::equal(byRuns.pixels(), byPixel.pixels()))
                << "round " << round << " at " << x << "," << y;
            picture.pixels()[0] ^= 0xFF000000u;
        }
    }
}

// Which pixels a keyed copy skips, copies or blends is the test above's (its pixel-by-pixel
// copy blends one pixel with Blit itself); here: the blend of system-font text, whose letters
// come with partial coverage.
TEST(Blit, APartlyCoveredPixelBlendsWithTheBackground) {
    Surface half(1, 1, Argb(200, 0, 0));
    Blit(half, 0, 0, Surface(1, 1, Argb(0, 0, 200, 128)), {0, 0, 1, 1}, true);
    EXPECT_NEAR(RedOf(half.Pixel(0, 0)), 100, 1);
    EXPECT_NEAR(BlueOf(half.Pixel(0, 0)), 100, 1);
}

TEST(ColourKey, EachModeKeysItsOwnColours) {
    struct Case {
        int mode;
        std::uint32_t colour;
        bool keyed;
    };
    for (const Case c : {Case{0, Argb(0, 0, 0), true}, Case{0, Argb(10, 10, 10), true},
                         Case{0, Argb(11, 0, 0), false}, Case{3, Argb(10, 0, 10), true},
                         Case{7, Argb(3, 3, 3), true}, Case{1, Argb(131, 131, 131), true},
                         Case{1, Argb(130, 131, 131), false}, Case{1, Argb(0, 0, 0), false},
                         Case{2, Argb(128, 128, 128), true}, Case{2, Argb(131, 131, 131), false}}) {
        Surface s(1, 1, c.colour);
        ApplyColourKey(s, c.mode);
        EXPECT_EQ(AlphaOf(s.Pixel(0, 0)) == 0, c.keyed) << c.mode << " " << std::hex << c.colour;
    }
}

TEST(BitmapSize, ReadsBothHeaderKindsAndRefusesOtherBytes) {
    std::string header(26, '\0');
    header[0] = 'B';
    header[1] = 'M';
    header[14] = 40;
    header[18] = 20;
    header[22] = static_cast<char>(0xEC);  // -20: a top-down picture
    header[23] = header[24] = header[25] = static_cast<char>(0xFF);
    EXPECT_EQ(BitmapSize(header), (std::array<int, 2>{20, 20}));
    header[14] = 12;  // the old header: 16-bit sizes at 18 and 20
    header[20] = 5;
    header[21] = 0;
    EXPECT_EQ(BitmapSize(header), (std::array<int, 2>{20, 5}));
    EXPECT_EQ(BitmapSize("BM"), std::nullopt);
    EXPECT_EQ(BitmapSize(std::string(26, 'x')), std::nullopt);
}

}  // namespace
}  // namespace zelkor
