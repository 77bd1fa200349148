#pragma once

#include "tools/assetgen/asset_set.h"

namespace zelkor::assetgen {

// Every asset of the game, the same bytes on every run.
AssetSet GenerateAll();

}  // namespace zelkor::assetgen
