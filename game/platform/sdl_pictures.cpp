#include "game/platform/sdl_pictures.h"

#include <SDL.h>
#include <SDL_image.h>

#include <memory>
#include <string>

#include "common/regular_file.h"

namespace zelkor {
namespace {

struct SurfaceFree {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SdlSurface = std::unique_ptr<SDL_Surface, SurfaceFree>;

}  // namespace

std::optional<Surface> SdlPictureFiles::Decode(const std::filesystem::path& file) {
    // Read here, so that a FIFO or a device in a picture's place is refused instead
    // of waited on; no picture of the game comes near the limit.
    const std::optional<std::string> bytes = ReadWholeFile(file, std::size_t{64} << 20);
    if (!bytes) return std::nullopt;
    return DecodeBytes(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()));
}

std::optional<Surface> SdlPictureFiles::DecodeBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return std::nullopt;
    const SdlSurface loaded(
        SDL_LoadBMP_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1));
    if (!loaded) return std::nullopt;
    const SdlSurface argb(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb || argb->w <= 0 || argb->h <= 0) return std::nullopt;
    Surface picture(argb->w, argb->h);
    if (SDL_LockSurface(argb.get()) != 0) return std::nullopt;
    for (int y = 0; y < argb->h; ++y) {
        const auto* row =
            reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(argb->pixels) +
                                                   static_cast<std::ptrdiff_t>(y) * argb->pitch);
        std::uint32_t* out = picture.Row(y);
        for (int x = 0; x < argb->w; ++x)
            out[x] = row[x] | 0xFF000000u;  // bitmaps carry no transparency of their own
    }
    SDL_UnlockSurface(argb.get());
    return picture;
}

bool SdlPictureFiles::SavePng(const Surface& picture, const std::filesystem::path& file) {
    if (picture.empty()) return false;
    const SdlSurface s(SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<std::uint32_t*>(picture.pixels().data()), picture.width(), picture.height(), 32,
        picture.width() * 4, SDL_PIXELFORMAT_ARGB8888));
    if (!s) return false;
    // The back buffer's alpha says nothing about the finished picture: save it opaque.
    const SdlSurface rgb(SDL_ConvertSurfaceFormat(s.get(), SDL_PIXELFORMAT_RGB24, 0));
    return rgb && IMG_SavePNG(rgb.get(), file.string().c_str()) == 0;
}

}  // namespace zelkor
