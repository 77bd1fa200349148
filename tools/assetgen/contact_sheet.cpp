#include "tools/assetgen/contact_sheet.h"

#include <algorithm>
#include <map>
#include <string>

#include "tools/assetgen/text.h"

namespace zelkor::assetgen {
namespace {

constexpr int kSheetWidth = 1800;
constexpr int kMargin = 12;
constexpr int kGap = 10;
constexpr int kLabelHeight = 14;
constexpr int kHeaderHeight = 24;
constexpr Pixel kBackground{104, 106, 110};

std::string Folder(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Natural order inside a folder, so that animation frames read 1, 2, ... 45.
bool NaturalLess(const std::string& a, const std::string& b) {
    const auto number = [](const std::string& s) {
        return !s.empty() && s[0] >= '0' && s[0] <= '9' ? std::stoi(s) : -1;
    };
    const int na = number(a), nb = number(b);
    if (na >= 0 && nb >= 0 && na != nb) return na < nb;
    return a < b;
}

struct Placed {
    const PictureEntry* picture;
    int x, y;
};

void PaintText(Image& sheet, const TypeFace& face, const std::string& text, int x, int y,
               float size, Pixel colour) {
    const Mask mask = face.Line(text, size);
    for (int my = 0; my < mask.height; ++my) {
        for (int mx = 0; mx < mask.width; ++mx) {
            const int sx = x + mx, sy = y + my;
            const float a = mask.get(mx, my);
            if (a <= 0 || sx < 0 || sy < 0 || sx >= sheet.width || sy >= sheet.height) continue;
            Pixel& p = sheet.at(sx, sy);
            auto mix = [a](std::uint8_t from, std::uint8_t to) {
                return static_cast<std::uint8_t>(from + (to - from) * a + 0.5f);
            };
            p = {mix(p.r, colour.r), mix(p.g, colour.g), mix(p.b, colour.b)};
        }
    }
}

}  // namespace

Image ContactSheet(const AssetSet& set, int zoom) {
    std::map<std::string, std::vector<const PictureEntry*>> groups;
    for (const PictureEntry& p : set.Pictures())
        groups[Folder(p.path)].push_back(&p);

    const TypeFace face("DejaVuSans.ttf");
    const TypeFace bold("DejaVuSans-Bold.ttf");
    constexpr float kLabelSize = 9;

    // Lay out first, then paint. A cell is as wide as its picture or its label,
    // so labels of small pictures do not run into each other.
    std::vector<Placed> placed;
    std::vector<std::pair<std::string, int>> headers;
    int y = kMargin;
    for (auto& [folder, pictures] : groups) {
        std::sort(pictures.begin(), pictures.end(), [](const auto* a, const auto* b) {
            return NaturalLess(BaseName(a->path), BaseName(b->path));
        });
        headers.emplace_back(folder.empty() ? std::string("(top)") : folder, y);
        y += kHeaderHeight;
        int x = kMargin;
        int rowHeight = 0;
        for (const PictureEntry* p : pictures) {
            const int label = face.Line(BaseName(p->path), kLabelSize).width;
            const int w = std::max({p->image.width * zoom, label, 40});
            const int h = p->image.height * zoom + kLabelHeight;
            if (x + w > kSheetWidth - kMargin && x > kMargin) {
                x = kMargin;
                y += rowHeight + kGap;
                rowHeight = 0;
            }
            placed.push_back({p, x, y});
            x += w + kGap;
            rowHeight = std::max(rowHeight, h);
        }
        y += rowHeight + kGap * 2;
    }

    Image sheet(kSheetWidth, y + kMargin);
    std::fill(sheet.pixels.begin(), sheet.pixels.end(), kBackground);
    for (const auto& [title, hy] : headers) {
        PaintText(sheet, bold, title, kMargin, hy, 14, {250, 250, 250});
    }
    for (const Placed& pl : placed) {
        const Image& img = pl.picture->image;
        for (int py = 0; py < img.height * zoom; ++py) {
            for (int px = 0; px < img.width * zoom; ++px) {
                const Pixel p = img.at(px / zoom, py / zoom);
                if (IsKeyPixel(p, pl.picture->key)) continue;
                const int sx = pl.x + px, sy = pl.y + py;
                if (sx < sheet.width && sy < sheet.height) sheet.at(sx, sy) = p;
            }
        }
        PaintText(sheet, face, BaseName(pl.picture->path), pl.x, pl.y + img.height * zoom,
                  kLabelSize, {225, 225, 230});
    }
    return sheet;
}

}  // namespace zelkor::assetgen
