#pragma once

#include <cstdint>
#include <vector>

namespace zelkor::assetgen {

// One track of a standard MIDI file, as events at absolute ticks.
class MidiTrack {
public:
    void Tempo(std::uint32_t tick, double beatsPerMinute);
    void Program(std::uint32_t tick, int channel, int program);
    void Controller(std::uint32_t tick, int channel, int controller, int value);
    // A note from `tick` lasting `length` ticks.
    void Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);
    // The track ends here (the loop point); no event may lie later.
    void End(std::uint32_t tick) { end_ = tick; }

    // The track chunk's event bytes, delta-timed, notes ending before notes starting at
    // the same tick.
    std::vector<unsigned char> Encode() const;
    std::uint32_t LastTick() const;

private:
    struct Event {
        std::uint32_t tick;
        int order;  // releases first, then settings, then notes starting
        std::vector<unsigned char> bytes;
    };
    std::vector<Event> events_;
    std::uint32_t end_ = 0;
};

// A format-1 file with the given resolution.
std::vector<unsigned char> EncodeMidi(int ticksPerQuarter, const std::vector<MidiTrack>& tracks);

}  // namespace zelkor::assetgen
