// The menu screens as the player sees them: headless screenshots after scripted keys.
#include <gtest/gtest.h>

#include <set>

#include "game/control/input/key_handler.h"
#include "game/present/menu_screen.h"
#include "tests/scenarios/key_script_writer.h"
#include "tests/scenarios/replay.h"
#include "tests/scenarios/screenshot.h"

namespace zelkor {
namespace {

using namespace scenario;
namespace layout = menu_layout;

bool IsYellowText(Colour c) {
    return c.r > 220 && c.g > 220 && c.b < 90;
}
bool IsWhiteText(Colour c) {
    return c.r > 220 && c.g > 220 && c.b > 220;
}
// The turning banana beside the highlighted button.
bool IsBanana(Colour c) {
    return c.r > 150 && c.g > 100 && c.b < 80 && c.r > c.b + 100;
}

// The line of text that starts at (x, y), as far as the screen's right half.
Area TextLine(int x, int y, int right = 250) {
    return {x, y, right, y + 15};
}
Area OptionArea(int option, int right = 250) {
    const auto at = layout::kOptionPlaces[static_cast<std::size_t>(option)];
    return TextLine(at.x, at.y, right);
}
const Area kStatusLine = TextLine(layout::kStatusX, layout::kBottomY, 575);

class MenuScreenshots : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::filesystem::path(ZELKOR_DIST_DIR) / "gfx.zkr"))
            GTEST_SKIP() << "this build generates no pictures to look at";
    }
    // The screen a moment after the last key.
    Screenshot Shoot(const KeyScriptWriter& keys, const std::string& commandLine = "") {
        const auto file = replay.ScreenshotAt(keys.End() + 150, "menu.png");
        last = replay.Play(commandLine, keys.End() + 200, keys.Text());
        return Screenshot(file);
    }
    // The shipped model packs, which the game unpacks at start-up.
    void InstallModels() {
        std::filesystem::copy(std::filesystem::path(ZELKOR_DIST_DIR) / "models",
                              replay.dir() / "models");
    }
    static KeyScriptWriter ToOptions() {
        KeyScriptWriter keys;
        keys.Tap(key::Down).Tap(key::Enter);
        return keys;
    }

    Replay replay;
    scenario::Run last;
};

TEST_F(MenuScreenshots, TheCursorsButtonIsHighlightedWithTheBananaBesideIt) {
    // Down on "exit" comes round to "new game".
    const Screenshot first = Shoot(KeyScriptWriter().Tap(key::Up).Tap(key::Down));
    const Screenshot second = Shoot(KeyScriptWriter().Tap(key::Down));
    ASSERT_EQ(first.width(), 640);
    for (std::size_t row = 0; row < layout::kButtonY.size(); ++row) {
        SCOPED_TRACE("button " + std::to_string(row + 1));
        const int y = layout::kButtonY[row];
        // The glass left of the label: amber when highlighted, steel blue otherwise.
        const Area glass{300, y + 4, 330, y + 10};
        // Left of the buttons only the banana is drawn.
        const Area marker{layout::kMarkerX, y + layout::kMarkerDrop, layout::kButtonX,
                          y + layout::kMarkerDrop + 24};
        for (const auto& [shot, lit] : {std::pair{&first, row == 0}, {&second, row == 1}}) {
            const Colour c = shot->Average(glass);
            EXPECT_EQ(c.r > c.b, lit) << c.r << "," << c.g << "," << c.b;
            EXPECT_EQ(shot->Count(marker, IsBanana) > 0, lit);
        }
    }
    EXPECT_EQ(last.dump["menu"]["menuRow"], 2);
}

TEST_F(MenuScreenshots, TheLevelsPageGreysARefusedLevelAndDrawsTheSelectedGrid) {
    // A level the reader refuses at its end keeps its grid: walls in two corners.
    replay.AddLevel("zz.dat",
                    LevelText("Broken").Put(1, 1, '+').Put(30, 22, '+').Key("numYellow= 400"));
    KeyScriptWriter keys;
    keys.Tap(key::Down, 3);
    const Screenshot menu = Shoot(keys);
    const int y = layout::kButtonY[3];
    const Colour glass = menu.Average({300, y + 4, 330, y + 10});
    EXPECT_GT(glass.r, glass.b) << "the Levels button is lit";
    EXPECT_GT(menu.Count({layout::kMarkerX, y + 5, layout::kButtonX, y + 29}, IsBanana), 0);

    keys.Tap(key::Enter).Tap(key::End);  // the 19th level, the last of the second ten
    const Screenshot page = Shoot(keys);
    const Area selected = TextLine(layout::kLevelNameX, layout::LevelRowY(9), 460);
    const auto grey = [](Colour c) { return c.r > 130 && c.r < 170 && c.g == c.r && c.b == c.r; };
    EXPECT_GT(page.Count(selected, grey), 20);
    EXPECT_EQ(page.Count(selected, IsYellowText), 0);
    EXPECT_GT(page.Count(TextLine(layout::kLevelNameX, layout::LevelRowY(8), 460), IsWhiteText),
              20);
    const auto cell = [&](int col, int row) {
        return page.At(layout::kLevelGrid.x + 4 * col - 2, layout::kLevelGrid.y + 4 * row - 2);
    };
    EXPECT_GT(cell(1, 1).r, 100);
    EXPECT_GT(cell(30, 22).r, 100);
    EXPECT_EQ(cell(15, 10), (Colour{0, 0, 0}));
    EXPECT_GT(page.Count(kStatusLine, IsWhiteText), 20) << "the reader's reason";
}

TEST_F(MenuScreenshots, TheHallOfFamesCursorRowIsInTheSelectionYellow) {
    KeyScriptWriter keys;
    keys.Tap(key::Down, 2).Tap(key::Enter).Tap(key::Down, 3);
    const Screenshot shot = Shoot(keys);
    const auto row = [](int place) {
        return TextLine(layout::kHallOfFameNameX, layout::HallOfFameY(place), 600);
    };
    const auto plain = [](Colour c) { return c.r > 120 && c.g > 140 && c.b > 130 && c.r < 180; };
    EXPECT_GT(shot.Count(row(3), IsYellowText), 60) << "the third place";
    EXPECT_EQ(shot.Count(row(2), IsYellowText), 0);
    EXPECT_EQ(shot.Count(row(0), IsYellowText), 0);
    EXPECT_GT(shot.Count(row(0), plain), 20) << "the last game's row";
}

// Which line is yellow is the menu screen's test (and the model caption's below); here the
// fifteenth line's place, below the fourteen.
TEST_F(MenuScreenshots, TheFifteenthOptionIsShownBelowTheFourteen) {
    EXPECT_GT(Shoot(ToOptions()).Count(OptionArea(15), IsWhiteText), 20);
}

// The Controls page: Left took the Right arrow, so Right is shown without a key and with the
// key it lost, waiting for its new one.
TEST_F(MenuScreenshots, TheControlsPageShowsTheKeyAwaitedAndTheActionThatLostItsKey) {
    KeyScriptWriter keys = ToOptions();
    keys.Tap(key::Up).Tap(key::Enter).Tap(key::Down, 2).Tap(key::Enter).Tap(key::Right);
    keys.Tap(key::Down).Tap(key::Enter);
    const Screenshot shot = Shoot(keys);
    const auto warning = [](Colour c) { return c.r > 220 && c.g > 80 && c.g < 140 && c.b < 120; };
    const int y = layout::ControlsY(4);
    const auto& x = layout::kControlsColumnX;
    EXPECT_GT(shot.Count(TextLine(x[0], y, x[1]), warning), 20) << "Right has no key";
    EXPECT_GT(shot.Count(TextLine(x[1], y, x[2]), IsYellowText), 40) << "its key awaited";
    EXPECT_GT(shot.Count(TextLine(x[4], y, 600), warning), 40) << "the key it lost";
    EXPECT_EQ(shot.Count(TextLine(x[0], layout::ControlsY(3), x[1]), warning), 0);
    EXPECT_EQ(last.dump["options"]["keys"]["Left"], "Right");
    EXPECT_GT(shot.Count(kStatusLine, IsWhiteText), 40) << "Press a key for Right";
}

TEST_F(MenuScreenshots, ThePlayerModelStepsThroughEveryPackAndStopsAtTheLast) {
    InstallModels();
    replay.WriteSettings("[Options]\r\nPlayer Color=0\r\n");
    KeyScriptWriter keys = ToOptions();
    keys.Tap(key::Up, 3);  // round to "Player Model"
    const int packs = 6;
    std::vector<std::filesystem::path> files;
    for (int model = 0; model <= packs; ++model) {
        files.push_back(
            replay.ScreenshotAt(keys.End() - 20, "model" + std::to_string(model) + ".png"));
        keys.Tap(key::Right);
    }
    last = replay.Play("", keys.End() + 100, keys.Text());
    EXPECT_EQ(last.dump["Snakes"][0]["model"], packs - 1);

    const Area label = OptionArea(14, 640);
    const Area preview{layout::kPreview.x, layout::kPreview.y, layout::kPreview.x + 60,
                       layout::kPreview.y + 20};
    std::set<std::vector<std::uint32_t>> labels, previews;
    for (int model = 0; model < packs; ++model) {
        const Screenshot shot(files[static_cast<std::size_t>(model)]);
        labels.insert(shot.Pixels(label));
        previews.insert(shot.Pixels(preview));
        EXPECT_GT(shot.Count(label, IsYellowText), 40) << model;
    }
    EXPECT_EQ(labels.size(), static_cast<std::size_t>(packs)) << "each pack its own caption";
    EXPECT_EQ(previews.size(), static_cast<std::size_t>(packs)) << "and its own look";
    const Screenshot beyond(files.back());
    EXPECT_EQ(beyond.Pixels(preview), Screenshot(files[packs - 1]).Pixels(preview))
        << "Right on the last model keeps it";
}

TEST_F(MenuScreenshots, AStoredModelThatIsNoLongerInstalledFallsBackToTheDefault) {
    InstallModels();
    replay.WriteSettings("[Options]\r\nPlayer Color=40\r\n");
    KeyScriptWriter keys = ToOptions();
    keys.Tap(key::Up, 3);
    const Screenshot gone = Shoot(keys);
    EXPECT_EQ(last.dump["Snakes"][0]["model"], 1);
    EXPECT_GT(gone.Count(OptionArea(14, 640), IsYellowText), 40) << "its caption shown";
}

}  // namespace
}  // namespace zelkor
