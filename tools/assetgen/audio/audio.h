#pragma once

#include "tools/assetgen/asset_set.h"

namespace zelkor::assetgen {

// The four sound effects ("snd/...") and the music files ("music/...").
void MakeAudio(AssetSet& set);

}  // namespace zelkor::assetgen
