// What the menu screens write where, read from the system-font text they draw.
#include "game/present/menu_screen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/present/fake_pictures.h"

namespace zelkor {
namespace {

struct DrawnText {
    std::string text;
    int x = 0;
    int y = 0;
    std::string face;
    std::uint32_t colour = 0;
};

class RecordingText final : public TextRenderer {
public:
    void Draw(Surface&, int x, int y, const TextStyle& style, std::string_view text) override {
        drawn.push_back({std::string(text), x, y, std::string(style.face), style.colour});
    }
    int Width(const TextStyle&, std::string_view text) override {
        return static_cast<int>(text.size()) * 6;
    }
    std::vector<DrawnText> drawn;
};

class MenuScreenTest : public ::testing::Test {
protected:
    MenuScreenTest()
        : game(clock), pictures(gameFiles, files, host), canvas(pictures, text), menu(canvas) {}

    // The texts drawn at (x, y), in drawing order.
    std::vector<const DrawnText*> At(int x, int y) const {
        std::vector<const DrawnText*> found;
        for (const DrawnText& d : text.drawn)
            if (d.x == x && d.y == y) found.push_back(&d);
        return found;
    }
    const DrawnText& Only(int x, int y) const {
        const auto found = At(x, y);
        EXPECT_EQ(found.size(), 1u) << x << "," << y;
        static const DrawnText none;
        return found.empty() ? none : *found.front();
    }

    ManualClock clock;
    Game game;
    TempFolder folder;
    GameFiles gameFiles{folder.path()};
    testing::FakePictureFiles files;
    testing::RecordingPictureHost host;
    PictureStore pictures;
    RecordingText text;
    Canvas canvas;
    MenuScreen menu;
};

TEST_F(MenuScreenTest, TheOptionsShowEveryLineInPlaceTheSelectedOneYellow) {
    game.level.maxSpd = 60;
    game.level.SpeedStep = 0.5;
    game.Player().speed = 100;
    game.Player().name = "Zo\xEB";
    game.Player().model = 1;
    game.ModelPacks.highest = 1;
    game.ModelPacks.packs[1].name = "Viper";
    game.ModelPacks.packs[1].author = "Jo";
    game.menu.optionsRow = 14;
    game.menu.statusLine = "Select your color!";
    menu.DrawOptions(game);

    const std::vector<std::string> lines{"",
                                         "Maximum Speed: 60",
                                         "Minimum Speed: 250",
                                         "Global Speed: 100",
                                         "No Speed Reset: no",
                                         "Speed!: no",
                                         "Speed rate: 0.5",
                                         "Show FPS Counter: yes",
                                         "Player Name: Zo\xEB",
                                         "3D Items: yes",
                                         "Effects enabled: yes",
                                         "AI Effects enabled: yes",
                                         "Music On: yes",
                                         "Music Volume: 30",
                                         "Player Model: Viper by Jo",
                                         "Quick Turns: yes"};
    for (int option = 1; option <= 15; ++option) {
        const auto place = menu_layout::kOptionPlaces[static_cast<std::size_t>(option)];
        const DrawnText& line = Only(place.x, place.y);
        EXPECT_EQ(line.text, lines[static_cast<std::size_t>(option)]);
        EXPECT_EQ(line.colour, option == 14 ? kMenuYellow : kMenuWhite) << line.text;
        EXPECT_EQ(line.face, "Arial");
    }
    EXPECT_EQ(Only(5, 459).text, "Select your color!");
    EXPECT_EQ(Only(580, 459).text, "v. 1.0.0");
    EXPECT_EQ(Only(50, 285).text, "Game (Speed) Mutators");

    // In deathmatch the mutators and their heading are grey; the notice is yellow.
    text.drawn.clear();
    game.run.gameMode = "NDM";
    game.menu.optionsRow = 5;
    game.menu.statusLine = kNotInDeathmatch;
    game.ModelPacks.highest = 0;  // the player's model is gone: no caption
    menu.DrawOptions(game);
    EXPECT_EQ(Only(50, 285).colour, kMenuGrey);
    EXPECT_EQ(Only(55, 305).colour, kMenuGrey);
    EXPECT_EQ(Only(55, 325).colour, kMenuYellow) << "the selection over the grey";
    EXPECT_EQ(Only(60, 345).colour, kMenuGrey);
    EXPECT_EQ(Only(55, 390).colour, kMenuWhite);
    EXPECT_EQ(Only(5, 459).colour, kMenuYellow);
    EXPECT_EQ(Only(300, 415).text, "Player Model: ");
}

TEST_F(MenuScreenTest, TextsFromOutsideStayInsideTheirPanelsAndClearOfTheVersion) {
    game.menu.optionsRow = 8;
    game.Player().name = "Zo";
    game.Player().model = 0;
    game.ModelPacks.highest = 0;
    game.ModelPacks.packs[0].name = "The Longest Rainbow Serpent Ever Packed";
    game.ModelPacks.packs[0].author = "Somebody";
    game.menu.statusLine = "Level ./lvl/" + std::string(80, 'x') + ".dat: line 2: bad";
    game.flags.animFrame = 1;
    menu.DrawOptions(game);

    const DrawnText& model = Only(300, 415);
    EXPECT_TRUE(model.text.starts_with("Player Model: The Longest")) << model.text;
    EXPECT_LE(300 + text.Width({}, model.text), menu_layout::kPanelTextRight);
    const DrawnText& status = Only(5, 459);
    EXPECT_TRUE(status.text.ends_with(".dat: line 2: bad")) << status.text;
    EXPECT_LT(5 + text.Width({}, status.text), 580);
    // The name being typed is followed by a blinking caret in the line's yellow.
    const DrawnText& caret = Only(50 + 6 * 15, 415);
    EXPECT_EQ(caret.text, "_");
    EXPECT_EQ(caret.colour, kMenuYellow);

    text.drawn.clear();
    game.flags.animFrame = 7;
    menu.DrawOptions(game);
    EXPECT_TRUE(At(50 + 6 * 15, 415).empty()) << "blinked off";
    text.drawn.clear();
    game.flags.animFrame = 1;
    game.menu.optionsRow = 7;
    menu.DrawOptions(game);
    EXPECT_TRUE(At(50 + 6 * 15, 415).empty()) << "only while the name is typed";
}

TEST_F(MenuScreenTest, TheHallOfFameListsTenPlacesAndTheConsoleOnlyOnceUnlocked) {
    for (int i = 0; i < 10; ++i)
        game.hallOfFame[static_cast<std::size_t>(i)] = {"P" + std::to_string(i + 1),
                                                        std::to_string(10000 - 1000 * i), ""};
    menu.DrawHallOfFame(game);
    EXPECT_EQ(Only(310, 220).text, " 1st: P1");
    EXPECT_EQ(Only(310, 240).text, " 2nd: P2");
    EXPECT_EQ(Only(310, 260).text, " 3rd: P3");
    EXPECT_EQ(Only(310, 380).text, " 9th: P9");
    EXPECT_EQ(Only(310, 400).text, "10th: P10");
    EXPECT_EQ(Only(490, 400).text, "1000 Pts");
    EXPECT_EQ(Only(490, 220).face, "Courier New");
    EXPECT_EQ(Only(490, 220).colour, kHallOfFameColour);
    EXPECT_EQ(Only(310, 200).colour, kMenuYellow) << "the cursor on the last game's row";
    EXPECT_EQ(Only(5, 459).text, kHallOfFameTitle) << "an empty status line";
    EXPECT_TRUE(At(5, 440).empty());

    text.drawn.clear();
    game.cheats.cheatUsed = true;
    game.cheats.consoleText = "go";
    game.menu.statusLine = "Cheater!";
    menu.DrawHallOfFame(game);
    EXPECT_EQ(Only(5, 440).text, "x: go");
    EXPECT_EQ(Only(5, 459).text, "Cheater!");

    text.drawn.clear();
    game.menu.hallOfFameRow = 2;
    game.menu.namingPlace = 4;
    menu.DrawHallOfFame(game);
    EXPECT_EQ(Only(490, 240).colour, kHallOfFameColour) << "no cursor while a line is named";
}

TEST_F(MenuScreenTest, TheMainMenuRunsTheCreditsUnderTheirGreenLabel) {
    game.menu.statusLine = "Start a new game";
    game.menu.tickerLine = "Zelkor 3D - made";
    menu.DrawMainMenu(game);
    const auto credits = At(5, 437);
    ASSERT_EQ(credits.size(), 2u);
    EXPECT_EQ(credits[0]->text, "Credits Zelkor 3D - made");
    EXPECT_EQ(credits[0]->colour, kTickerColour);
    EXPECT_EQ(credits[1]->text, "Credits ");
    EXPECT_EQ(credits[1]->colour, kCreditsLabelColour);
    EXPECT_EQ(credits[1]->face, "Courier New");
    EXPECT_EQ(Only(5, 459).text, "Start a new game");
}

}  // namespace
}  // namespace zelkor
