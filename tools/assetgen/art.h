#pragma once

#include <string>

#include "tools/assetgen/asset_set.h"
#include "tools/assetgen/canvas.h"

namespace zelkor::assetgen {

// Each adds its pictures to the set under the paths the game loads them from
// ("gfx/...", "bricks/...", "bkg/...", "models/NAME/...") or, for the pictures the
// programs carry inside them, under "embed/...".
void MakeWalls(AssetSet& set);
void MakeBackgrounds(AssetSet& set);
void MakeInterface(AssetSet& set);
void MakeMenuBackgrounds(AssetSet& set);
void MakeItems(AssetSet& set);
void MakeSnakeModels(AssetSet& set);
void MakeFonts(AssetSet& set);
void MakeUserItems(AssetSet& set);
void MakeEmbeddedPictures(AssetSet& set);

// Shared by the walls, the user items and the editor's tool pictures.
enum class RunPart { Middle, Start, End, Single };
struct StoneStyle {
    Color stone;
    Color mortar;
    float variation = 0.12f;
    int seed = 0;
};
inline constexpr StoneStyle kRedBrick{Rgb255(150, 90, 60), Rgb255(90, 85, 80), 0.12f, 1};
// One 20 x 20 wall piece; `vertical` runs the bricks top to bottom.
Canvas WallTile(const StoneStyle& style, bool vertical, RunPart part);

// A raised plate in the plate colour with bevelled white letters (deathmatch pictures).
Canvas TeamBanner(int w, int h, const std::string& label, Color plate, Color plateDark, float size);
// The two deathmatch team plates, shown in the game and in its start-up window.
Canvas RedTeamBanner();
Canvas BlueTeamBanner();

}  // namespace zelkor::assetgen
