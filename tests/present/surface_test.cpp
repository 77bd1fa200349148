#include "game/present/surface.h"

#include <gtest/gtest.h>

#include "game/present/pictures.h"

namespace zelkor {
namespace {

int CountColour(const Surface& s, std::uint32_t colour) {
    int n = 0;
    for (const std::uint32_t p : s.pixels())
        n += p == colour ? 1 : 0;
    return n;
}

TEST(Blit, ASpriteHalfOutsideIsCutAtEveryEdgeAndNothingIsWrittenOutside) {
    const std::uint32_t red = Argb(200, 0, 0);
    const Surface sprite(20, 20, red);
    struct Case {
        int x, y, inside;
    };
    for (const Case c : {Case{-10, 100, 200}, Case{630, 100, 200}, Case{100, -15, 100},
                         Case{100, 475, 100}, Case{-19, -19, 1}, Case{639, 479, 1},
                         Case{640, 10, 0}, Case{-20, 10, 0}, Case{10, 480, 0}}) {
        Surface screen(640, 480);
        Blit(screen, c.x, c.y, sprite, sprite.bounds(), true);
        EXPECT_EQ(CountColour(screen, red), c.inside) << c.x << "," << c.y;
    }
    // A source rectangle that reaches past the picture copies only the picture's part,
    // at the place its own pixels belong.
    Surface screen(640, 480);
    Blit(screen, 100, 100, sprite, {-5, -5, 10, 30}, false);
    EXPECT_EQ(CountColour(screen, red), 10 * 20);
    EXPECT_EQ(screen.Pixel(104, 104), kOpaqueBlack);
    EXPECT_EQ(screen.Pixel(105, 105), red);
}

TEST(Blit, TheColourKeyLetsTheBackgroundThroughOnlyWhenAsked) {
    Surface sprite(2, 1, Argb(5, 5, 5));
    sprite.SetPixel(1, 0, Argb(90, 90, 90));
    ApplyColourKey(sprite, 0);
    const std::uint32_t ground = Argb(0, 0, 120);

    Surface keyed(2, 1, ground);
    Blit(keyed, 0, 0, sprite, sprite.bounds(), true);
    EXPECT_EQ(keyed.Pixel(0, 0), ground);
    EXPECT_EQ(keyed.Pixel(1, 0), Argb(90, 90, 90));

    Surface plain(2, 1, ground);
    Blit(plain, 0, 0, sprite, sprite.bounds(), false);
    EXPECT_EQ(RedOf(plain.Pixel(0, 0)), 5) << "without the key the key colour is copied";

    // Letters of system-font text come with partial coverage and blend.
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
