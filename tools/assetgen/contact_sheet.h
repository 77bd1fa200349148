#pragma once

#include "tools/assetgen/asset_set.h"

namespace zelkor::assetgen {

// Every picture of the set at twice its size on a neutral grey, transparent pixels
// showing the grey, each labelled with its path; grouped by folder.
Image ContactSheet(const AssetSet& set, int zoom = 2);

}  // namespace zelkor::assetgen
