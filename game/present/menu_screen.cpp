#include "game/present/menu_screen.h"

#include "common/captions.h"
#include "common/numbers.h"
#include "game/present/fit_text.h"
#include "game/present/game_screen.h"
#include "game/present/snake_sprites.h"
#include "game/rules/physical_keys.h"

namespace zelkor {
namespace {

using namespace menu_layout;

constexpr int kPoints = 10;

struct Button {
    Fixed normal;
    Fixed highlighted;
};
constexpr std::array<Button, 5> kButtons{{{Fixed::NewGameN, Fixed::NewGameH},
                                          {Fixed::OptionsN, Fixed::OptionsH},
                                          {Fixed::HiScoreN, Fixed::HiScoreH},
                                          {Fixed::LevelsN, Fixed::LevelsH},
                                          {Fixed::ExitN, Fixed::ExitH}}};

// The speed mutators (options 4 to 6) are closed in deathmatch and drawn grey.
bool IsMutator(int option) {
    return option >= 4 && option <= 6;
}

constexpr int kNameOption = 8;
// The caret after the name being typed blinks with the item animation's frames.
bool CaretShown(const Game& game) {
    return (game.flags.animFrame - 1) / 6 % 2 == 0;
}

}  // namespace

void ModelLabel(const ModelList& models, int model, LineText& out) {
    const ModelPack* pack = models.Find(model);
    if (pack != nullptr) out << pack->name << " by " << pack->author;
}

void OptionLine(const Game& game, int option, LineText& out) {
    const LevelSettings& level = game.level;
    const Options& o = game.options;
    const SnakeRecord& player = game.Snake(1);
    switch (option) {
        case 1:
            out << "Maximum Speed: " << NumberText(level.maxSpd);
            break;
        case 2:
            out << "Minimum Speed: " << NumberText(level.minSpd);
            break;
        case 3:
            out << "Global Speed: " << static_cast<int>(player.speed);
            break;
        case 4:
            out << "No Speed Reset: " << YesNo(o.noSpeedReset);
            break;
        case 5:
            out << "Speed!: " << YesNo(level.SpeedUp);
            break;
        case 6:
            out << "Speed rate: " << NumberText(level.SpeedStep);
            break;
        case 7:
            out << "Show FPS Counter: " << YesNo(o.showFPS);
            break;
        case 8:
            out << "Player Name: " << player.name;
            break;
        case 9:
            out << "3D Items: " << YesNo(o.animatedItems);
            break;
        case 10:
            out << "Effects enabled: " << YesNo(o.sndEnabled);
            break;
        case 11:
            out << "AI Effects enabled: " << YesNo(o.kiSndEnabled);
            break;
        case 12:
            out << "Music On: " << YesNo(o.musicEnabled);
            break;
        case 13:
            out << "Music Volume: " << static_cast<int>(o.musicVolume);
            break;
        case 14:
            out << "Player Model: ";
            ModelLabel(game.ModelPacks, player.model, out);
            break;
        case 15:
            out << "Quick Turns: " << YesNo(o.quickTurns);
            break;
        case 16:
            out << "Controls...";
            break;
        default:
            break;
    }
}

// The game screen's menu pass is this screen's.
void GameScreen::DrawMenu(const Game& game) {
    MenuScreen(canvas_).Draw(game);
}

void MenuScreen::Draw(const Game& game) {
    const MenuState& m = game.menu;
    if (m.levelsPage == 1) {
        DrawLevels(game);
    } else if (m.hallOfFamePage == 1) {
        DrawHallOfFame(game);
    } else if (m.optionsPage == 1 && m.controls.shown) {
        DrawControls(game);
    } else if (m.optionsPage == 1) {
        DrawOptions(game);
    } else {
        DrawMainMenu(game);
    }
}

void MenuScreen::Text(std::string_view text, int x, int y, std::uint32_t colour,
                      std::string_view face) {
    canvas_.SetTextStyle(TextStyle{face, kPoints, false, colour});
    canvas_.DrawSystemText(text, x, y);
}

int MenuScreen::TextUpTo(std::string_view text, int x, int y, int right, std::uint32_t colour,
                         std::string_view face) {
    const TextStyle style{face, kPoints, false, colour};
    fitted_.clear();
    FitKeepingStart(canvas_.text(), style, text, right - x, fitted_);
    canvas_.SetTextStyle(style);
    canvas_.DrawSystemText(fitted_.view(), x, y);
    return x + canvas_.txtWidth(fitted_.view());
}

void MenuScreen::Background(Fixed picture) {
    canvas_.DrawBackground(picture, true);
}

void MenuScreen::StatusAndVersion(std::string_view status, std::uint32_t colour) {
    fitted_.clear();
    FitKeepingEnds(canvas_.text(), TextStyle{"Arial", kPoints, false, colour}, status, kStatusWidth,
                   fitted_);
    Text(fitted_.view(), kStatusX, kBottomY, colour);
    line_.clear();
    line_ << "v. " << kGameVersion;
    Text(line_.view(), kVersionX, kBottomY, kMenuWhite);
}

// ---- the main menu ----------------------------------------------------------------------

void MenuScreen::DrawMainMenu(const Game& game) {
    const MenuState& m = game.menu;
    Background(Fixed::MenuBkg);
    DrawMenuButtons(game);
    StatusAndVersion(m.statusLine);

    // The credits ticker: its line in grey, then its label over it in green.
    line_.clear();
    line_ << "Credits " << m.tickerLine;
    Text(line_.view(), kStatusX, kCreditsY, kTickerColour, "Courier New");
    Text("Credits ", kStatusX, kCreditsY, kCreditsLabelColour, "Courier New");
}

void MenuScreen::DrawMenuButtons(const Game& game) {
    Surface& back = canvas_.back();
    const PictureStore& pictures = canvas_.pictures();
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        const Surface& button = pictures.fixed(kButtons[i].normal);
        Blit(back, kButtonX, kButtonY[i], button, button.bounds(), true);
    }
    const auto& highlights = game.menu.highlights;
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        if (!highlights[i]) continue;
        const Surface& button = pictures.fixed(kButtons[i].highlighted);
        Blit(back, kButtonX, kButtonY[i], button, button.bounds(), true);
        line_.clear();
        line_ << "Yellow_animated\\" << static_cast<int>(game.flags.animFrame) << ".bmp";
        canvas_.DrawPic(game, line_.view(), Rect{0, 0, 16, 24}, kMarkerX, kButtonY[i] + kMarkerDrop,
                        1);
        return;
    }
}

// ---- the options ---------------------------------------------------------------------------

void MenuScreen::DrawOptions(const Game& game) {
    const MenuState& m = game.menu;
    const bool deathmatch = game.run.Deathmatch();
    Background(Fixed::OptionsBkg);

    Text("Speed Settings", 50, 200, kMenuWhite);
    Text("Game (Speed) Mutators", kMutatorHeading.x, kMutatorHeading.y,
         deathmatch ? kMenuGrey : kMenuWhite);
    Text("Game Options", 50, 370, kMenuWhite);
    Text("GFX:", 250, 200, kMenuWhite);
    Text("Sound:", 250, 240, kMenuWhite);

    for (int option = 1; option < static_cast<int>(kOptionPlaces.size()); ++option) {
        std::uint32_t colour = deathmatch && IsMutator(option) ? kMenuGrey : kMenuWhite;
        if (option == m.optionsRow) colour = kMenuYellow;
        line_.clear();
        OptionLine(game, option, line_);
        const Place at = kOptionPlaces[static_cast<std::size_t>(option)];
        const int end = TextUpTo(line_.view(), at.x, at.y, kPanelTextRight, colour);
        if (option == kNameOption && option == m.optionsRow && CaretShown(game))
            Text("_", end, at.y, colour);
    }
    DrawModelPreview(game);
    // A closed option's notice stands out in the selection's yellow.
    // An action left without a key is told in the Controls page's warning colour.
    std::uint32_t status = m.statusLine == kNotInDeathmatch ? kMenuYellow : kMenuWhite;
    if (!m.optionsNotice.empty() && m.statusLine == m.optionsNotice) status = kMenuWarning;
    StatusAndVersion(m.statusLine, status);
}

void MenuScreen::DrawControls(const Game& game) {
    const ControlsPage& page = game.menu.controls;
    const KeyBindings& keys = game.options.keys;
    Background(Fixed::OptionsBkg);
    constexpr std::array<std::string_view, 4> kHeadings{"Action", "Key", "Second key",
                                                        "Controller"};
    for (std::size_t c = 0; c < kHeadings.size(); ++c)
        Text(kHeadings[c], kControlsColumnX[c], kControlsHeadingY, kMenuGrey);
    for (int row = 1; row <= kActionCount; ++row) {
        const auto action = static_cast<Action>(row - 1);
        const ActionInfo& info = InfoOf(action);
        const int y = ControlsY(row);
        const bool selected = row == page.row;
        const bool unbound = keys.Unbound(action);
        Text(info.title, kControlsColumnX[0], y,
             unbound    ? kMenuWarning
             : selected ? kMenuYellow
                        : kMenuWhite);
        for (int column = 0; column < 2; ++column) {
            const bool here = selected && column == page.column;
            const int code = keys.Of(action)[static_cast<std::size_t>(column)];
            std::string_view label = "-";
            if (here && page.capturing) {
                label = "press a key";
            } else if (code != 0) {
                label = page.labels[static_cast<std::size_t>(code)];
                if (label.empty()) label = PhysicalKeyName(code);
            }
            TextUpTo(label, kControlsColumnX[static_cast<std::size_t>(column) + 1], y,
                     kControlsColumnX[static_cast<std::size_t>(column) + 2] - 6,
                     here ? kMenuYellow : kMenuWhite);
        }
        TextUpTo(info.controller, kControlsColumnX[3], y, kControlsColumnX[4] - 6, kMenuGrey);
        if (const int lost = page.lost[static_cast<std::size_t>(row - 1)]; lost != 0) {
            line_.clear();
            line_ << "lost " << PhysicalKeyName(lost);
            TextUpTo(line_.view(), kControlsColumnX[4], y, kPanelTextRight, kMenuWarning);
        }
    }
    Text("Restore defaults", kControlsColumnX[0], ControlsY(kRestoreDefaultsRow),
         page.row == kRestoreDefaultsRow ? kMenuYellow : kMenuWhite);
    StatusAndVersion(game.menu.statusLine, page.refused.empty() ? kMenuWhite : kMenuWarning);
}

void MenuScreen::DrawModelPreview(const Game& game) {
    const int model = game.Snake(1).model;
    const ModelPack* pack = game.ModelPacks.Find(model);
    if (pack == nullptr) return;
    const int slots[] = {HeadSlot(Dir::Left),
                         SegmentSlot(Piece::Left, pack->edges, pack->edgesInvers),
                         TailSlot(Piece::Left, pack->tailEdges)};
    int x = kPreview.x;
    for (const int slot : slots) {
        if (slot >= 0) {
            Blit(canvas_.back(), x, kPreview.y, canvas_.pictures().sprite(model, slot),
                 Rect{0, 0, 20, 20}, true);
        }
        x += 20;
    }
}

// ---- the hall of fame -----------------------------------------------------------------------

void MenuScreen::DrawHallOfFame(const Game& game) {
    const MenuState& m = game.menu;
    Background(Fixed::HallOfFameBkg);
    // The cursor's row in the options' selection colour, hidden while a new line is named.
    const auto colourOf = [&](int row) {
        return m.namingPlace == 0 && row == m.hallOfFameRow ? kMenuYellow : kHallOfFameColour;
    };
    Text("      Last game", kHallOfFameNameX, HallOfFameY(0), colourOf(0), "Courier New");
    for (int place = 1; place <= static_cast<int>(game.hallOfFame.size()); ++place) {
        const HallOfFameEntry& entry = game.hallOfFame[static_cast<std::size_t>(place - 1)];
        line_.clear();
        if (place < 10) line_ << ' ';
        line_ << place << OrdinalSuffix(place) << ": " << entry.name;
        if (place == m.namingPlace) {
            // The new line, its name being typed: highlighted, with the caret.
            const int end = TextUpTo(line_.view(), kHallOfFameNameX, HallOfFameY(place),
                                     kHallOfFameScoreX, kMenuYellow, "Courier New");
            if (CaretShown(game)) Text("_", end, HallOfFameY(place), kMenuYellow, "Courier New");
        } else {
            Text(line_.view(), kHallOfFameNameX, HallOfFameY(place), colourOf(place),
                 "Courier New");
        }
        line_.clear();
        line_ << entry.score << " Pts";
        TextUpTo(line_.view(), kHallOfFameScoreX, HallOfFameY(place), kPanelTextRight,
                 colourOf(place), "Courier New");
    }
    StatusAndVersion(m.statusLine.empty() ? kHallOfFameTitle : std::string_view(m.statusLine));
    if (game.cheats.cheatUsed) {
        line_.clear();
        line_ << "x: " << game.cheats.consoleText;
        Text(line_.view(), kConsole.x, kConsole.y, kMenuWhite);
    }
}

}  // namespace zelkor
