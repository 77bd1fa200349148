#pragma once

#include "game/rules/directions.h"

namespace zelkor {

// The model sprite slot that shows a part of a snake, or -1 when the model draws
// nothing there (an empty direction, a corner the model has no sprite for).
int HeadSlot(Dir dir);
int SegmentSlot(Piece piece, bool edges, bool edgesInvers);
int TailSlot(Piece piece, bool tailEdges);

inline constexpr int kStartSlot = 28;

}  // namespace zelkor
