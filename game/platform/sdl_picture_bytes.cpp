// Bitmaps held in memory, decoded as the picture files are.
#include <SDL.h>

#include <memory>

#include "game/platform/sdl_pictures.h"

namespace zelkor {

std::optional<Surface> SdlPictureFiles::DecodeBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return std::nullopt;
    struct SurfaceFree {
        void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
    };
    using SdlSurface = std::unique_ptr<SDL_Surface, SurfaceFree>;
    const SdlSurface loaded(
        SDL_LoadBMP_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1));
    if (!loaded) return std::nullopt;
    const SdlSurface argb(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb || argb->w <= 0 || argb->h <= 0 || SDL_LockSurface(argb.get()) != 0)
        return std::nullopt;
    Surface picture(argb->w, argb->h);
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

}  // namespace zelkor
