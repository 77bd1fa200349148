#pragma once

#include <array>
#include <string>
#include <vector>

namespace zelkor::assetgen {

enum class DrumStyle { Rock, FourOnFloor, HalfTime, Tribal };
enum class ChordStyle { Pad, Arpeggio, Stabs, PowerChords };

// The character of one piece; the notes are composed from it with a seeded generator.
struct PieceStyle {
    std::string file;
    double tempo;                  // beats per minute
    int root;                      // MIDI key of the tonic
    std::array<int, 7> scale;      // semitones of the seven scale steps
    std::vector<int> progression;  // scale step of each bar's chord, repeating
    int bassProgram, chordProgram, melodyProgram;
    DrumStyle drums;
    ChordStyle chords;
    double targetSeconds;
    unsigned seed;
};

const std::vector<PieceStyle>& MusicPieces();

// A standard MIDI file of the piece: tempo track, drums, bass, chords and melody. It lasts
// a whole number of eight-bar sections and ends on the tonic exactly at its loop point.
std::vector<unsigned char> ComposePiece(const PieceStyle& style);

// Length in seconds of what ComposePiece writes for a style.
double PieceSeconds(const PieceStyle& style);

}  // namespace zelkor::assetgen
