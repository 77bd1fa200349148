#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/present/surface.h"
#include "game/rules/one_based.h"

namespace zelkor {

inline constexpr int kPicBufferSize = 1024;

// The picture buffer: the pictures drawn by name, in entries 1..1024, each with the
// path it was loaded from. A hash index over the entries in use finds a path's entry
// without comparing every path, so a draw by name stays cheap.
class PictureBuffer {
public:
    // `DD_FindPic`: the entry 1..1024 holding exactly this path, or 0.
    int Find(std::string_view path) const;
    // `DD_FindFreePicSlot`: the first entry without a path; a buffer with none left
    // (1..1023 taken) is emptied and entry 1 returned.
    int FindFreeSlot();
    // `DD_ClearPicBuffer`: every entry emptied.
    void Clear();
    // Gives `entry` to `path`; its picture is then loaded into surface(entry).
    void Claim(int entry, std::string_view path);

    Surface& surface(int entry) { return slots_[entry].surface; }
    const Surface& surface(int entry) const { return slots_[entry].surface; }
    const std::string& path(int entry) const { return slots_[entry].path; }

private:
    struct PicSlot {
        Surface surface;
        std::string path;
    };

    void IndexAdd(int entry);
    void IndexClear();

    OneBased<PicSlot, kPicBufferSize> slots_;
    std::array<std::int16_t, 4096> index_{};
};

}  // namespace zelkor
