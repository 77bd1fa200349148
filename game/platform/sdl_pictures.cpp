#include "game/platform/sdl_pictures.h"

#include <SDL.h>
#include <SDL_image.h>

#include <memory>
#include <string>

#include "common/atomic_file.h"
#include "common/regular_file.h"

namespace zelkor {
namespace {

struct SurfaceFree {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SdlSurface = std::unique_ptr<SDL_Surface, SurfaceFree>;

// A write-only SDL stream that collects what is written into a string.
std::size_t AppendToString(SDL_RWops* stream, const void* data, std::size_t size,
                           std::size_t count) {
    auto* out = static_cast<std::string*>(stream->hidden.unknown.data1);
    out->append(static_cast<const char*>(data), size * count);
    return count;
}

Sint64 StringStreamSize(SDL_RWops* stream) {
    return static_cast<Sint64>(static_cast<std::string*>(stream->hidden.unknown.data1)->size());
}

Sint64 StringStreamSeek(SDL_RWops* stream, Sint64 offset, int whence) {
    // Only "where am I" is answered: the encoder writes straight through.
    return offset == 0 && whence != RW_SEEK_SET ? StringStreamSize(stream) : -1;
}

int CloseStringStream(SDL_RWops* stream) {
    SDL_FreeRW(stream);
    return 0;
}

// The picture as PNG bytes; empty when it cannot be encoded.
std::string EncodePng(SDL_Surface* picture) {
    std::string png;
    SDL_RWops* stream = SDL_AllocRW();
    if (stream == nullptr) return png;
    stream->read = [](SDL_RWops*, void*, std::size_t, std::size_t) -> std::size_t { return 0; };
    stream->size = StringStreamSize;
    stream->seek = StringStreamSeek;
    stream->write = AppendToString;
    stream->close = CloseStringStream;
    stream->hidden.unknown.data1 = &png;
    if (IMG_SavePNG_RW(picture, stream, /*freedst=*/1) != 0) png.clear();
    return png;
}

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
    if (!rgb) return false;
    // Encoded whole first, then written under a temporary name and renamed when flushed,
    // so a full disk never leaves a torn picture.
    const std::string png = EncodePng(rgb.get());
    return !png.empty() && WriteFileAtomically(file, png);
}

}  // namespace zelkor
