#include "game/present/replay_mark.h"

#include "game/present/bitmap_font.h"
#include "game/present/canvas.h"
#include "game/present/line_text.h"

namespace zelkor {
namespace {

constexpr int kFont = 4;  // the counters'
constexpr int kY = 452;
constexpr int kRightEnd = kScreenWidth - 5;
constexpr int kFragsFont = 5;
constexpr int kGap = 8;

}  // namespace

void DrawReplayMark(const PictureStore& pictures, Surface& target, const Game& game,
                    ReplayMark mark) {
    int right = kRightEnd;
    LineText line;
    if (game.run.Deathmatch()) {
        line << game.Snake(1).frags;
        right -= BmpTextWidth(line.view(), kFragsFont) + kGap;
    }
    line.clear();
    if (mark.fast) line << "x4 ";
    if (mark.paused) line << "PAUSED ";
    line << "REPLAY";
    DrawBmpText(pictures, target, line.view(), right - BmpTextWidth(line.view(), kFont), kY, kFont);
}

}  // namespace zelkor
