#pragma once

#include <string_view>

#include "game/present/canvas.h"
#include "game/present/line_text.h"

namespace zelkor {

// Where the menu screens put things, for the screens and their tests.
namespace menu_layout {

inline constexpr int kButtonX = 290;
inline constexpr int kMarkerX = 285;
inline constexpr int kMarkerDrop = 5;  // the marker sits this far below its button's top
// The buttons from the top: new game, options, high scores, levels, exit.
inline constexpr std::array<int, 5> kButtonY{210, 230, 250, 270, 290};

inline constexpr int kStatusX = 5;
inline constexpr int kBottomY = 459;
inline constexpr int kVersionX = 580;
inline constexpr int kCreditsY = 437;
// A status line too long for the room left of the version is cut in its middle.
inline constexpr int kStatusWidth = kVersionX - kStatusX - 10;
// The framed panels of the options and the hall of fame end here; their lines are
// cut short of it.
inline constexpr int kPanelTextRight = 600;

struct Place {
    int x = 0;
    int y = 0;
};
// Options 1..16 (index 0 unused).
inline constexpr std::array<Place, 17> kOptionPlaces{{{0, 0},
                                                      {55, 220},
                                                      {55, 240},
                                                      {55, 260},
                                                      {55, 305},
                                                      {55, 325},
                                                      {60, 345},
                                                      {55, 390},
                                                      {50, 415},
                                                      {255, 220},
                                                      {255, 260},
                                                      {255, 280},
                                                      {255, 300},
                                                      {255, 320},
                                                      {300, 415},
                                                      {50, 437},
                                                      {300, 437}}};
inline constexpr Place kMutatorHeading{50, 285};
// The player's model beside its option: head, body and tail, each 20 pixels wide.
inline constexpr Place kPreview{300, 390};

inline constexpr int kHallOfFameNameX = 310;
inline constexpr int kHallOfFameScoreX = 490;
// Place k (1..10) stands on this line, the last game's row (0) above the first.
constexpr int HallOfFameY(int place) {
    return 200 + 20 * place;
}
inline constexpr Place kConsole{5, 440};

// The Controls page: a heading line, then one line per action and "Restore defaults".
inline constexpr int kControlsHeadingY = 195;
constexpr int ControlsY(int row) {
    return kControlsHeadingY + 20 * row + (row > 10 ? 5 : 0);
}
inline constexpr std::array<int, 5> kControlsColumnX{50, 170, 280, 390, 505};

// The Levels page: a list of ten rows in its panel, the columns' left ends, and the
// selected level's grid at 4 pixels a cell beside the panel.
inline constexpr int kLevelNameX = 45;
inline constexpr int kLevelAuthorX = 215;
inline constexpr int kLevelBestX = 350;
inline constexpr int kLevelListRight = 462;
inline constexpr int kLevelHeadingY = 188;
constexpr int LevelRowY(int inView) {  // 0..9 from the top
    return 210 + 20 * inView;
}
inline constexpr int kLevelRowHeight = 18;
inline constexpr int kLevelCountY = 408;
inline constexpr Place kLevelGrid{485, 187};
inline constexpr int kLevelGridCell = 4;

}  // namespace menu_layout

inline constexpr std::uint32_t kMenuWhite = Argb(250, 250, 250);
inline constexpr std::uint32_t kMenuYellow = Argb(250, 250, 31);
inline constexpr std::uint32_t kMenuGrey = Argb(150, 150, 150);
inline constexpr std::uint32_t kMenuWarning = Argb(250, 110, 90);
inline constexpr std::uint32_t kHallOfFameColour = Argb(150, 170, 160);
inline constexpr std::uint32_t kTickerColour = Argb(160, 160, 160);
inline constexpr std::uint32_t kCreditsLabelColour = Argb(190, 220, 190);

// `ModelLabel`: the model's name and author ("Viper by Jo"); empty for a model
// that is not installed.
void ModelLabel(const ModelList& models, int model, LineText& out);

// The text of option line 1..16 as the options screen shows it.
void OptionLine(const Game& game, int option, LineText& out);

// The menu loop's screens, composed in the canvas from its pictures and
// system-font text: the main menu with its picture buttons, the options with their
// sixteen lines and their Controls page, the hall of fame and the Levels page.
class MenuScreen {
public:
    explicit MenuScreen(Canvas& canvas) : canvas_(canvas) {}

    // The screen the menu's flags select.
    void Draw(const Game& game);

    void DrawMainMenu(const Game& game);
    // `DrawMenuButtons`: the four buttons, then the first highlighted one again
    // highlighted, with the turning banana beside it.
    void DrawMenuButtons(const Game& game);
    void DrawOptions(const Game& game);
    // The Controls page: each action's two keys and its controller button; the key being
    // chosen, an action without a key and a key taken by another action stand out.
    void DrawControls(const Game& game);
    void DrawHallOfFame(const Game& game);
    // The Levels page: the list around the cursor, the selected level's grid.
    void DrawLevels(const Game& game);

private:
    void Text(std::string_view text, int x, int y, std::uint32_t colour,
              std::string_view face = "Arial");
    // Text that keeps its beginning and stops short of `right`; returns where it ends.
    int TextUpTo(std::string_view text, int x, int y, int right, std::uint32_t colour,
                 std::string_view face = "Arial");
    void Background(Fixed picture);
    void StatusAndVersion(std::string_view status, std::uint32_t colour = kMenuWhite);
    void DrawModelPreview(const Game& game);
    void DrawLevelGrid(const LevelListEntry& level);

    Canvas& canvas_;
    LineText line_;
    LineText fitted_;
};

}  // namespace zelkor
