#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "editor/core/grid_cells.h"
#include "editor/core/user_items.h"

namespace zelkor::editor {

// The "Level Settings" fields. Texts are Windows-1252 and are written to the file as
// typed; only the two rates are numbers.
struct LevelFields {
    std::string lvlName = "NoName";
    std::string lvlNext = "lvl1.dat";
    std::string bkgPic = "bkg_standart.bmp";
    std::string bkgMusic = "music1.mid";
    std::string timeLimit = "0";
    std::string Author = "Unknown";
    std::string numYellow = "1";
    std::string numRed = "0";
    std::string numBlue = "0";
    std::string numBlack = "0";
    std::string numTNT = "0";
    std::string numPower = "0";
    int blueRate = 150;
    int powerRate = 300;
    std::string reqYellow = "1";
    std::string reqRed = "0";
    std::string reqBlue = "0";
    std::string reqBlack = "0";
    std::string reqScore = "0";
    bool hideCollected = false;

    friend bool operator==(const LevelFields&, const LevelFields&) = default;
};

// The sliders' ranges; a loaded value outside is brought inside.
inline constexpr int kBlueRateMin = 20;
inline constexpr int kBlueRateMax = 650;
inline constexpr int kPowerRateMin = 40;
inline constexpr int kPowerRateMax = 650;

// What the lists of the "Level Settings" and user-item windows offer.
inline constexpr std::array<std::string_view, 7> kBackgroundPictures{
    "bkg_standart.bmp", "bkg_circuit.bmp",   "bkg_steel.bmp",      "bkg_jungle.bmp",
    "bkg_fire.bmp",     "bkg\\bkg_tech.bmp", "bkg\\bkg_bricks.bmp"};
inline constexpr std::array<std::string_view, 8> kBackgroundMusic{
    "music1.mid",   "casper.mid", "lion.mid",  "dark.mid",
    "rasputin.mid", "aktex.mid",  "doom1.mid", "doom2.mid"};
inline constexpr std::string_view kStartGfx = "bricks\\brick2_v.bmp";
inline constexpr std::array<std::string_view, 16> kUserItemGfx{
    "bricks\\brick1_animated", "bricks\\brick1_animated_h", "bricks\\brick2_v.bmp",
    "bricks\\brick2_h.bmp",    "bricks\\wall2_animated",    "bricks\\wall2_animated_h",
    "bricks\\brick3_v_l.bmp",  "bricks\\brick3_v_r.bmp",    "bricks\\brick3_h_t.bmp",
    "bricks\\brick3_h_b.bmp",  "bricks\\wall3_animated",    "bricks\\wall3_animated_h",
    "bricks\\brick4_animated", "bricks\\brick4_animated_h", "bricks\\wall4_animated",
    "bricks\\wall4_animated_h"};
inline constexpr std::array<std::string_view, 2> kOfferedRequiredFiles{"bricks.zkr", "bkg.zkr"};

// Everything the editor saves: the grid, the fields, the two slot tables, and the key
// lines it neither shows nor edits ("AIS=", "gSpeed=", unknown lines ...), kept as
// read so that a level passes through the editor unchanged.
struct EditorLevel {
    GridCells grid;
    LevelFields fields;
    UserItems userItems;
    RequiredFiles requiredFiles;
    std::vector<std::string> keptLines;

    friend bool operator==(const EditorLevel&, const EditorLevel&) = default;
};

}  // namespace zelkor::editor
