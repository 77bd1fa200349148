#include "game/platform/letterbox.h"

#include <algorithm>

namespace zelkor {

Rect LetterboxedPicture(int width, int height) {
    constexpr int kWidth = 640;
    constexpr int kHeight = 480;
    const int factor = std::min(width / kWidth, height / kHeight);
    int pw = kWidth * factor;
    int ph = kHeight * factor;
    if (factor < 1) {
        pw = std::min(width, height * kWidth / kHeight);
        ph = pw * kHeight / kWidth;
    }
    const int left = (width - pw) / 2;
    const int top = (height - ph) / 2;
    return {left, top, left + pw, top + ph};
}

}  // namespace zelkor
