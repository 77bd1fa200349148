#pragma once

#include <string_view>

#include "game/rules/game.h"

namespace zelkor {

class PictureStore;
class PictureHost;

// Reads a pack's "model.ini" into `pack`. A line counts by its beginning (letter
// case matters): "NAME" and "AUTHOR" give the text after the key and one
// separator, "EDGES=", "EDGES_INVERS" and "TAIL_EDGES" a flag from the number after
// theirs; other lines are ignored, and a key given twice keeps its last value.
// Any bytes are read safely: lines are cut at 255 characters, names and authors
// at 40.
void ReadModelIni(std::string_view bytes, ModelPack& pack);

// A "model.ini" larger than this is not one a pack carries; only its start is read.
inline constexpr std::size_t kMaxModelIniBytes = 64 * 1024;

// `ZkGetModelPacks`: lists the "*.zmp" packs of the "models" folder by name (at
// most 100; more are skipped with a console line), unpacks each into "gfx" at the
// first start, reads its "model.ini" (or gives it its folder's name, author
// "Unknown", corners and tail corners) and loads its sprites. A pack whose
// folder is not there after unpacking is skipped with a console line. Returns the
// packs for the game to keep.
ModelList ZkGetModelPacks(const Game& game, PictureStore& pictures, PictureHost& host);

}  // namespace zelkor
