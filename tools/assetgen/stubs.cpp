#include "tools/assetgen/art.h"
#include "tools/assetgen/audio/audio.h"
namespace zelkor::assetgen {
void MakeInterface(AssetSet&) {}
void MakeMenuBackgrounds(AssetSet&) {}
void MakeUserItems(AssetSet&) {}
void MakeEmbeddedPictures(AssetSet&) {}
void MakeAudio(AssetSet&) {}
}  // namespace zelkor::assetgen
