#pragma once

#include <string_view>

#include "game/present/line_text.h"
#include "game/present/picture_services.h"

namespace zelkor {

// Lines of system-font text made to fit a width, for screens whose texts come from
// outside (level paths, model packs, a hand-edited hall of fame). A line that fits is
// left as it is; a cut is marked with "...".

// Keeps the beginning and, with the larger share, the end: a failed level's reason
// stands at the end of its line, after a path of any length.
void FitKeepingEnds(TextRenderer& text, const TextStyle& style, std::string_view line, int width,
                    LineText& out);

// Keeps the beginning.
void FitKeepingStart(TextRenderer& text, const TextStyle& style, std::string_view line, int width,
                     LineText& out);

}  // namespace zelkor
