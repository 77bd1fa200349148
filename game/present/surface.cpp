#include "game/present/surface.h"

#include <algorithm>
#include <cstring>

namespace zelkor {

Surface::Surface(int width, int height, std::uint32_t fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

void Surface::Fill(std::uint32_t argb) {
    Fill(bounds(), argb);
}

void Surface::Fill(Rect area, std::uint32_t argb) {
    const Rect r = Intersect(area, bounds());
    if (r.empty()) return;
    // The first row is filled pixel by pixel and the others copied from it: the
    // library's copy moves them with the widest stores the processor has.
    std::uint32_t* first = Row(r.top) + r.left;
    std::fill(first, first + r.width(), argb);
    for (int y = r.top + 1; y < r.bottom; ++y)
        std::memcpy(Row(y) + r.left, first, static_cast<std::size_t>(r.width()) * sizeof *first);
}

void Surface::Release() {
    width_ = height_ = 0;
    std::vector<std::uint32_t>().swap(pixels_);
    std::vector<Run>().swap(runs_);
    std::vector<std::uint32_t>().swap(firstRun_);
    Changed();
}

void Surface::FindRuns() const {
    enum class Kind { Skip, Copy, Blend };
    const auto kindOf = [](std::uint32_t p) {
        const std::uint8_t alpha = AlphaOf(p);
        return alpha == 0 ? Kind::Skip : alpha == 255 ? Kind::Copy : Kind::Blend;
    };
    runs_.clear();
    firstRun_.assign(static_cast<std::size_t>(height_) + 1, 0);
    for (int y = 0; y < height_; ++y) {
        const std::uint32_t* row = Row(y);
        for (int x = 0; x < width_;) {
            const Kind kind = kindOf(row[x]);
            int end = x + 1;
            while (end < width_ && kindOf(row[end]) == kind)
                ++end;
            if (kind != Kind::Skip) runs_.push_back({x, end, kind == Kind::Copy});
            x = end;
        }
        firstRun_[static_cast<std::size_t>(y) + 1] = static_cast<std::uint32_t>(runs_.size());
    }
    runsKnown_ = true;
}

bool Surface::OpaqueOver(Rect area) const {
    // Runs of one kind never touch, so an opaque stretch is always one run.
    for (int y = area.top; y < area.bottom; ++y) {
        const auto runs = Runs(y);
        if (std::ranges::none_of(runs, [&](const Run& r) {
                return r.opaque && r.begin <= area.left && r.end >= area.right;
            }))
            return false;
    }
    return true;
}

Rect Intersect(Rect wanted, Rect limit) {
    Rect r{std::max(wanted.left, limit.left), std::max(wanted.top, limit.top),
           std::min(wanted.right, limit.right), std::min(wanted.bottom, limit.bottom)};
    if (r.empty()) return {};
    return r;
}

namespace {

// `over` laid on `under` by its alpha; the result is opaque.
std::uint32_t BlendOver(std::uint32_t under, std::uint32_t over) {
    const std::uint32_t a = AlphaOf(over);
    const std::uint32_t na = 255 - a;
    const auto mix = [&](std::uint32_t o, std::uint32_t u) { return (o * a + u * na + 127) / 255; };
    const std::uint32_t r = mix(RedOf(over), RedOf(under));
    const std::uint32_t g = mix(GreenOf(over), GreenOf(under));
    const std::uint32_t b = mix(BlueOf(over), BlueOf(under));
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

// Lays the runs of one source row that fall within [left, right) on `out`, which
// takes the source's pixel `left` at its index 0.
void CopyRuns(std::uint32_t* out, const std::uint32_t* in, std::span<const Surface::Run> runs,
              int left, int right) {
    const Surface::Run* run = runs.data();
    const Surface::Run* const last = run + runs.size();
    if (left > 0)  // a part of a wider picture: skip the runs that end before it
        run = std::partition_point(run, last,
                                   [left](const Surface::Run& r) { return r.end <= left; });
    for (; run != last && run->begin < right; ++run) {
        const int begin = std::max(run->begin, left);
        const int end = std::min(run->end, right);
        std::uint32_t* to = out + (begin - left);
        if (run->opaque) {
            std::memcpy(to, in + begin, static_cast<std::size_t>(end - begin) * sizeof *in);
        } else {
            for (int x = begin; x < end; ++x, ++to)
                *to = BlendOver(*to, in[x]);
        }
    }
}

}  // namespace

void Blit(Surface& target, int x, int y, const Surface& source, Rect from, bool keyed) {
    // Cut the source rectangle to the source, then the placed copy to the target.
    Rect src = Intersect(from, source.bounds());
    if (src.empty()) return;
    x += src.left - from.left;
    y += src.top - from.top;
    const Rect placed{x, y, x + src.width(), y + src.height()};
    const Rect dst = Intersect(placed, target.bounds());
    if (dst.empty()) return;
    src.left += dst.left - placed.left;
    src.top += dst.top - placed.top;
    const int w = dst.width();

    for (int row = 0; row < dst.height(); ++row) {
        const std::uint32_t* in = source.Row(src.top + row);
        std::uint32_t* out = target.Row(dst.top + row) + dst.left;
        if (keyed) {
            CopyRuns(out, in, source.Runs(src.top + row), src.left, src.left + w);
        } else {
            std::memcpy(out, in + src.left, static_cast<std::size_t>(w) * sizeof *in);
        }
    }
}

}  // namespace zelkor
