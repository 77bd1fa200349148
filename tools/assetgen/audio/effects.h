#pragma once

#include "tools/assetgen/audio/wav.h"

namespace zelkor::assetgen {

// The four effects of the game, synthesised. Each is short, starts and ends at silence
// (no clicks) and peaks at 80 % of full scale.
StereoSound CollectEffect();  // a bright pick-up blip
StereoSound ExplodeEffect();  // a blast
StereoSound LifeEffect();     // a rising extra-life jingle
StereoSound WallEffect();     // a dull hit

// Scales the sound so that its loudest sample is `peak` and fades its first and last
// few milliseconds in and out.
void Finalise(StereoSound& sound, float peak);

}  // namespace zelkor::assetgen
