// Long lines cut to their room, with the parts a reader needs kept.
#include "game/present/fit_text.h"

#include <gtest/gtest.h>

#include <string>

namespace zelkor {
namespace {

// Letters 6 pixels wide, "W" 10, as in a proportional face.
class WidthOnlyText final : public TextRenderer {
public:
    void Draw(Surface&, int, int, const TextStyle&, std::string_view) override {}
    int Width(const TextStyle&, std::string_view text) override {
        int w = 0;
        for (const char c : text)
            w += c == 'W' ? 10 : 6;
        return w;
    }
};

class FitTextTest : public ::testing::Test {
protected:
    std::string KeepingEnds(std::string_view line, int width) {
        LineText out;
        FitKeepingEnds(text, {}, line, width, out);
        return std::string(out.view());
    }
    std::string KeepingStart(std::string_view line, int width) {
        LineText out;
        FitKeepingStart(text, {}, line, width, out);
        return std::string(out.view());
    }
    WidthOnlyText text;
};

TEST_F(FitTextTest, ALineThatFitsIsLeftWhole) {
    EXPECT_EQ(KeepingEnds("Start a new game", 16 * 6), "Start a new game");
    EXPECT_EQ(KeepingStart("Player Model: Viper by Jo", 25 * 6), "Player Model: Viper by Jo");
    EXPECT_EQ(KeepingEnds("", 0), "");
}

TEST_F(FitTextTest, ALongStatusKeepsItsBeginningAndMostlyItsEnd) {
    const std::string reason = ": line 33: numYellow= 400 asks for more than 300 items";
    const std::string line = "Level /home/someone/games/zelkor/lvl/my_very_long_level.dat" + reason;
    const int width = 90 * 6;
    const std::string fitted = KeepingEnds(line, width);
    EXPECT_LE(text.Width({}, fitted), width);
    EXPECT_TRUE(fitted.starts_with("Level /home")) << fitted;
    EXPECT_TRUE(fitted.ends_with(reason)) << fitted;
    EXPECT_NE(fitted.find("..."), std::string::npos);
    // As much as the room holds: one letter more would not fit.
    EXPECT_GT(text.Width({}, fitted) + 6, width - 6) << fitted;
}

TEST_F(FitTextTest, ACutLineStaysWithinItsRoomWhateverItsLetters) {
    const std::string wide(40, 'W');
    for (const int width : {18, 19, 57, 100, 399}) {
        SCOPED_TRACE(width);
        const std::string start = KeepingStart(wide, width);
        const std::string ends = KeepingEnds(wide, width);
        EXPECT_LE(text.Width({}, start), width);
        EXPECT_LE(text.Width({}, ends), width);
        EXPECT_TRUE(start.ends_with("...")) << start;
    }
    // No room even for the mark: nothing rather than text over the edge.
    EXPECT_EQ(KeepingStart(wide, 17), "");
    EXPECT_EQ(KeepingEnds(wide, 0), "");
}

}  // namespace
}  // namespace zelkor
