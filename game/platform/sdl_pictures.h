#pragma once

#include "game/present/picture_services.h"

namespace zelkor {

// Bitmap files through SDL: any bit depth SDL reads, turned into opaque ARGB.
// Needs no video device, so headless runs decode the player's pictures too.
// PNG files are written through SDL2_image.
class SdlPictureFiles final : public PictureFiles {
public:
    std::optional<Surface> Decode(const std::filesystem::path& file) override;
    std::optional<Surface> DecodeBytes(std::span<const std::uint8_t> bytes) override;
    bool SavePng(const Surface& picture, const std::filesystem::path& file) override;
};

}  // namespace zelkor
