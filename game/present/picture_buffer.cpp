#include "game/present/picture_buffer.h"

namespace zelkor {
namespace {

std::size_t HashPath(std::string_view path) {
    std::size_t h = 1469598103934665603ull;
    for (const char c : path)
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return h;
}

}  // namespace

void PictureBuffer::IndexClear() {
    index_.fill(0);
}

void PictureBuffer::IndexAdd(int entry) {
    const std::size_t mask = index_.size() - 1;
    for (std::size_t i = HashPath(slots_[entry].path) & mask;; i = (i + 1) & mask) {
        if (index_[i] == 0) {
            index_[i] = static_cast<std::int16_t>(entry);
            return;
        }
    }
}

int PictureBuffer::Find(std::string_view path) const {
    // The index holds every entry in use, so the first entry that matches is the
    // one with the lowest number among those found along the probe.
    const std::size_t mask = index_.size() - 1;
    int found = 0;
    for (std::size_t i = HashPath(path) & mask; index_[i] != 0; i = (i + 1) & mask) {
        const int entry = index_[i];
        if (slots_[entry].path == path && (found == 0 || entry < found)) found = entry;
    }
    return found;
}

int PictureBuffer::FindFreeSlot() {
    int entry = 1;
    while (entry < kPicBufferSize && !slots_[entry].path.empty())
        ++entry;
    if (entry == kPicBufferSize) {
        Clear();
        return 1;
    }
    return entry;
}

void PictureBuffer::Clear() {
    for (PicSlot& slot : slots_) {
        slot.surface.Release();
        slot.path.clear();
    }
    IndexClear();
}

void PictureBuffer::Claim(int entry, std::string_view path) {
    slots_[entry].path.assign(path);
    IndexAdd(entry);
}

}  // namespace zelkor
