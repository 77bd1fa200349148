#pragma once

#include "game/present/surface.h"

namespace zelkor {

// Where the 640 x 480 picture goes in an output of `width` x `height` pixels: the
// largest whole magnification that fits, centred on black (the sprites stay crisp);
// an output smaller than the picture gets it shrunk to fit, keeping its shape.
Rect LetterboxedPicture(int width, int height);

}  // namespace zelkor
