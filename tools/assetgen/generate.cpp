#include "tools/assetgen/generate.h"

#include <functional>
#include <thread>
#include <vector>

#include "tools/assetgen/art.h"
#include "tools/assetgen/audio/audio.h"

namespace zelkor::assetgen {

AssetSet GenerateAll() {
    // Two independent halves, drawn side by side; the result does not depend on the order
    // in which they finish because every file keeps its own path and AssetSet sorts by path.
    const std::vector<std::function<void(AssetSet&)>> first = {MakeItems, MakeWalls, MakeInterface,
                                                               MakeFonts, MakeEmbeddedPictures};
    const std::vector<std::function<void(AssetSet&)>> second = {
        MakeSnakeModels, MakeUserItems, MakeBackgrounds, MakeMenuBackgrounds, MakeAudio};
    AssetSet a, b;
    std::thread worker([&] {
        for (const auto& make : second)
            make(b);
    });
    for (const auto& make : first)
        make(a);
    worker.join();
    a.Merge(std::move(b));
    return a;
}

}  // namespace zelkor::assetgen
