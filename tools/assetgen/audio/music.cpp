#include "tools/assetgen/audio/music.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/audio/midi.h"
#include "tools/assetgen/noise.h"

namespace zelkor::assetgen {
namespace {

constexpr int kTicks = 480;  // per quarter note
constexpr int kBar = kTicks * 4;
constexpr int kDrumChannel = 9;

constexpr std::array<int, 7> kMajor{0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> kMinor{0, 2, 3, 5, 7, 8, 10};
constexpr std::array<int, 7> kDorian{0, 2, 3, 5, 7, 9, 10};
constexpr std::array<int, 7> kPhrygian{0, 1, 3, 5, 7, 8, 10};
constexpr std::array<int, 7> kHarmonicMinor{0, 2, 3, 5, 7, 8, 11};

int Bars(const PieceStyle& s) {
    const double barSeconds = 240.0 / s.tempo;
    const int sections =
        std::max(1, static_cast<int>(std::lround(s.targetSeconds / barSeconds / 8)));
    return sections * 8;
}

// The key of scale step `step` (may go past 7 or below 0) above the root.
int KeyOf(const PieceStyle& s, int step) {
    const int octave = static_cast<int>(std::floor(step / 7.0));
    const int inside = step - octave * 7;
    return s.root + 12 * octave + s.scale[inside];
}

void Drums(MidiTrack& t, const PieceStyle& s, int bars) {
    for (int bar = 0; bar < bars; ++bar) {
        const std::uint32_t at = bar * kBar;
        const bool fill = bar % 8 == 7;
        if (bar % 8 == 0) t.Note(at, kTicks, kDrumChannel, 49, 100);  // crash on each section
        for (int eighth = 0; eighth < 8; ++eighth) {
            const std::uint32_t e = at + eighth * kTicks / 2;
            const int beat = eighth / 2;
            const bool onBeat = eighth % 2 == 0;
            switch (s.drums) {
                case DrumStyle::Rock:
                    if (onBeat && (beat == 0 || beat == 2)) t.Note(e, 120, kDrumChannel, 36, 110);
                    if (eighth == 5 && bar % 2 == 1) t.Note(e, 120, kDrumChannel, 36, 90);
                    if (onBeat && (beat == 1 || beat == 3)) t.Note(e, 120, kDrumChannel, 38, 105);
                    t.Note(e, 100, kDrumChannel, 42, onBeat ? 80 : 60);
                    break;
                case DrumStyle::FourOnFloor:
                    if (onBeat) t.Note(e, 120, kDrumChannel, 36, 115);
                    if (onBeat && (beat == 1 || beat == 3)) t.Note(e, 120, kDrumChannel, 39, 95);
                    t.Note(e, 100, kDrumChannel, onBeat ? 42 : 46, onBeat ? 60 : 85);
                    break;
                case DrumStyle::HalfTime:
                    if (eighth == 0) t.Note(e, 120, kDrumChannel, 36, 100);
                    if (eighth == 4) t.Note(e, 120, kDrumChannel, 38, 90);
                    if (onBeat) t.Note(e, 100, kDrumChannel, 42, 55);
                    if (eighth == 7) t.Note(e, 100, kDrumChannel, 44, 50);
                    break;
                case DrumStyle::Tribal: {
                    static constexpr int toms[8] = {50, 0, 47, 47, 45, 0, 47, 43};
                    if (eighth == 0 || eighth == 3 || eighth == 6)
                        t.Note(e, 120, kDrumChannel, 36, 105);
                    if (toms[eighth] != 0)
                        t.Note(e, 120, kDrumChannel, toms[eighth], 70 + 10 * (eighth % 3));
                    t.Note(e, 80, kDrumChannel, 69, 45);  // cabasa
                    break;
                }
            }
            if (fill && eighth >= 4)
                t.Note(e, 100, kDrumChannel, eighth % 2 ? 45 : 38, 70 + eighth * 4);
        }
    }
}

void Bass(MidiTrack& t, const PieceStyle& s, int bars, int channel) {
    for (int bar = 0; bar < bars; ++bar) {
        const int chord = s.progression[bar % s.progression.size()];
        const std::uint32_t at = bar * kBar;
        const int root = KeyOf(s, chord) - 24;
        const int fifth = KeyOf(s, chord + 4) - 24;
        switch (s.drums) {
            case DrumStyle::FourOnFloor:
                // Off-beat octave pumping.
                for (int e = 0; e < 8; ++e)
                    t.Note(at + e * kTicks / 2, kTicks / 2 - 40, channel, e % 2 ? root + 12 : root,
                           95);
                break;
            case DrumStyle::HalfTime:
                t.Note(at, kTicks * 3 - 40, channel, root, 90);
                t.Note(at + kTicks * 3, kTicks - 40, channel, fifth, 80);
                break;
            default:
                t.Note(at, kTicks - 30, channel, root, 100);
                t.Note(at + kTicks * 3 / 2, kTicks / 2 - 20, channel, root, 85);
                t.Note(at + kTicks * 2, kTicks - 30, channel, fifth, 90);
                t.Note(at + kTicks * 3, kTicks - 30, channel, bar % 2 ? root + 12 : fifth, 85);
                break;
        }
    }
}

void Chords(MidiTrack& t, const PieceStyle& s, int bars, int channel) {
    for (int bar = 0; bar < bars; ++bar) {
        const int chord = s.progression[bar % s.progression.size()];
        const std::uint32_t at = bar * kBar;
        const int keys[3] = {KeyOf(s, chord), KeyOf(s, chord + 2), KeyOf(s, chord + 4)};
        switch (s.chords) {
            case ChordStyle::Pad:
                for (int k : keys)
                    t.Note(at, kBar - 20, channel, k, 62);
                break;
            case ChordStyle::Arpeggio:
                for (int e = 0; e < 8; ++e) {
                    const int k = keys[(e % 4 == 3) ? 1 : e % 4] + (e >= 4 ? 12 : 0);
                    t.Note(at + e * kTicks / 2, kTicks / 2 - 20, channel, k, 70);
                }
                break;
            case ChordStyle::Stabs:
                for (int beat : {1, 3}) {
                    for (int k : keys)
                        t.Note(at + beat * kTicks, kTicks / 2, channel, k, 80);
                }
                break;
            case ChordStyle::PowerChords:
                for (int e = 0; e < 8; ++e) {
                    const int root = KeyOf(s, chord) - 12;
                    t.Note(at + e * kTicks / 2, kTicks / 2 - 30, channel, root, e % 2 ? 80 : 100);
                    t.Note(at + e * kTicks / 2, kTicks / 2 - 30, channel, root + 7,
                           e % 2 ? 75 : 95);
                }
                break;
        }
    }
}

// One eight-bar melody phrase. The same seed gives the same phrase, so sections repeat
// like a tune does; the last bar of the piece lands on the tonic.
void Phrase(MidiTrack& t, const PieceStyle& s, int firstBar, unsigned seed, bool lastOfPiece,
            int channel) {
    static constexpr int kRhythms[][8] = {
        {2, 0, 1, 1, 2, 0, 2, 0}, {1, 1, 1, 1, 2, 0, 1, 1}, {3, 0, 0, 1, 2, 0, 2, 0},
        {2, 0, 2, 0, 1, 1, 2, 0}, {1, 1, 2, 0, 1, 1, 1, 1}, {4, 0, 0, 0, 2, 0, 1, 1},
    };
    Rng rng(seed);
    int step = 7 + rng.Below(3);  // around the tonic an octave up
    for (int bar = 0; bar < 8; ++bar) {
        const int chord = s.progression[(firstBar + bar) % s.progression.size()];
        const int* rhythm = kRhythms[rng.Below(6)];
        const std::uint32_t at = (firstBar + bar) * kBar;
        const bool finalBar = bar == 7;
        for (int e = 0; e < 8; ++e) {
            const int length = rhythm[e];
            if (length == 0) continue;
            if (e == 0 || e == 4) {
                // Strong beats take a tone of the chord near the last note.
                const int options[3] = {chord, chord + 2, chord + 4};
                int best = options[0] + 7;
                for (int o : options) {
                    for (int oct : {0, 7, 14}) {
                        if (std::abs(o + oct - step) < std::abs(best - step)) best = o + oct;
                    }
                }
                step = best;
            } else {
                // Weak beats move by a step or a skip, never standing still.
                step += (rng.Below(2) == 0 ? 1 : -1) * (1 + rng.Below(2));
            }
            step = std::clamp(step, 4, 16);
            if (finalBar && e >= 4) step = lastOfPiece ? 7 : step;
            const std::uint32_t start = at + e * kTicks / 2;
            const std::uint32_t len =
                static_cast<std::uint32_t>(std::min(length, 8 - e)) * kTicks / 2 - 30;
            t.Note(start, len, channel, KeyOf(s, step), 88 + rng.Below(20));
        }
    }
}

}  // namespace

const std::vector<PieceStyle>& MusicPieces() {
    static const std::vector<PieceStyle> pieces = {
        {"music1.mid",
         118,
         60,
         kMajor,
         {0, 4, 5, 3},
         33,
         4,
         80,
         DrumStyle::Rock,
         ChordStyle::Arpeggio,
         90,
         11},
        {"casper.mid",
         92,
         57,
         kMinor,
         {0, 5, 2, 6},
         32,
         89,
         11,
         DrumStyle::HalfTime,
         ChordStyle::Pad,
         84,
         12},
        {"lion.mid",
         104,
         62,
         kDorian,
         {0, 3, 0, 3, 0, 3, 6, 4},
         32,
         24,
         12,
         DrumStyle::Tribal,
         ChordStyle::Stabs,
         92,
         13},
        {"dark.mid",
         76,
         52,
         kPhrygian,
         {0, 1, 0, 6},
         42,
         48,
         71,
         DrumStyle::HalfTime,
         ChordStyle::Pad,
         100,
         14},
        {"rasputin.mid",
         128,
         55,
         kHarmonicMinor,
         {0, 3, 4, 0},
         38,
         61,
         81,
         DrumStyle::FourOnFloor,
         ChordStyle::Stabs,
         90,
         15},
        {"aktex.mid",
         138,
         53,
         kMinor,
         {0, 5, 6, 0},
         39,
         90,
         84,
         DrumStyle::FourOnFloor,
         ChordStyle::Arpeggio,
         84,
         16},
        {"doom1.mid",
         100,
         52,
         kMinor,
         {0, 6, 5, 6},
         34,
         30,
         29,
         DrumStyle::Rock,
         ChordStyle::PowerChords,
         96,
         17},
        {"doom2.mid",
         152,
         48,
         kPhrygian,
         {0, 1, 6, 0},
         34,
         30,
         29,
         DrumStyle::Rock,
         ChordStyle::PowerChords,
         76,
         18},
    };
    return pieces;
}

double PieceSeconds(const PieceStyle& s) {
    return Bars(s) * 240.0 / s.tempo;
}

std::vector<unsigned char> ComposePiece(const PieceStyle& s) {
    const int bars = Bars(s);
    const std::uint32_t end = static_cast<std::uint32_t>(bars) * kBar;
    std::vector<MidiTrack> tracks(5);
    tracks[0].Tempo(0, s.tempo);
    tracks[0].End(end);

    Drums(tracks[1], s, bars);
    tracks[1].Controller(0, kDrumChannel, 7, 100);

    tracks[2].Program(0, 1, s.bassProgram);
    tracks[2].Controller(0, 1, 7, 100);
    Bass(tracks[2], s, bars, 1);

    tracks[3].Program(0, 2, s.chordProgram);
    tracks[3].Controller(0, 2, 7, 80);
    tracks[3].Controller(0, 2, 10, 40);
    Chords(tracks[3], s, bars, 2);

    tracks[4].Program(0, 3, s.melodyProgram);
    tracks[4].Controller(0, 3, 7, 105);
    tracks[4].Controller(0, 3, 10, 84);
    // Sections: the tune (A), its answer (B), and the tune again, so the loop returns home.
    for (int section = 0; section * 8 < bars; ++section) {
        const bool answer = section % 4 == 1 || section % 4 == 2;
        const bool last = (section + 1) * 8 >= bars;
        if (section == 0 && bars > 16) continue;  // the first section leaves the tune to the band
        Phrase(tracks[4], s, section * 8,
               s.seed * 31 + (answer ? 2 : 1) + (section % 4 == 2 ? 5 : 0), last, 3);
    }
    for (MidiTrack& t : tracks)
        t.End(end);
    return EncodeMidi(kTicks, tracks);
}

}  // namespace zelkor::assetgen
