#include "tools/assetgen/audio/audio.h"

#include "tools/assetgen/audio/effects.h"
#include "tools/assetgen/audio/music.h"
#include "tools/assetgen/audio/wav.h"

namespace zelkor::assetgen {

void MakeAudio(AssetSet& set) {
    set.AddFile("snd/collect.wav", EncodeWav(CollectEffect()));
    set.AddFile("snd/explode.wav", EncodeWav(ExplodeEffect()));
    set.AddFile("snd/live.wav", EncodeWav(LifeEffect()));
    set.AddFile("snd/wall.wav", EncodeWav(WallEffect()));
    for (const PieceStyle& piece : MusicPieces())
        set.AddFile("music/" + piece.file, ComposePiece(piece));
}

}  // namespace zelkor::assetgen
