#include "tools/assetgen/audio/midi.h"

#include <algorithm>
#include <cmath>

namespace zelkor::assetgen {
namespace {

void PutVarLen(std::vector<unsigned char>& out, std::uint32_t v) {
    unsigned char buf[5];
    int n = 0;
    buf[n++] = static_cast<unsigned char>(v & 0x7F);
    while ((v >>= 7) != 0)
        buf[n++] = static_cast<unsigned char>(0x80 | (v & 0x7F));
    while (n > 0)
        out.push_back(buf[--n]);
}

void Put32(std::vector<unsigned char>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>((v >> shift) & 0xFF));
}

unsigned char Byte(int v) {
    return static_cast<unsigned char>(std::clamp(v, 0, 127));
}

}  // namespace

void MidiTrack::Tempo(std::uint32_t tick, double bpm) {
    const auto micros = static_cast<std::uint32_t>(std::lround(60000000.0 / bpm));
    events_.push_back({tick,
                       1,
                       {0xFF, 0x51, 0x03, static_cast<unsigned char>(micros >> 16),
                        static_cast<unsigned char>((micros >> 8) & 0xFF),
                        static_cast<unsigned char>(micros & 0xFF)}});
}

void MidiTrack::Program(std::uint32_t tick, int channel, int program) {
    events_.push_back({tick, 1, {static_cast<unsigned char>(0xC0 | channel), Byte(program)}});
}

void MidiTrack::Controller(std::uint32_t tick, int channel, int controller, int value) {
    events_.push_back(
        {tick, 1, {static_cast<unsigned char>(0xB0 | channel), Byte(controller), Byte(value)}});
}

void MidiTrack::Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
    if (length == 0) return;
    events_.push_back(
        {tick, 2, {static_cast<unsigned char>(0x90 | channel), Byte(key), Byte(velocity)}});
    events_.push_back(
        {tick + length, 0, {static_cast<unsigned char>(0x80 | channel), Byte(key), 0}});
}

std::uint32_t MidiTrack::LastTick() const {
    std::uint32_t last = 0;
    for (const Event& e : events_)
        last = std::max(last, e.tick);
    return last;
}

std::vector<unsigned char> MidiTrack::Encode() const {
    std::vector<Event> sorted = events_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<unsigned char> out;
    std::uint32_t now = 0;
    for (const Event& e : sorted) {
        PutVarLen(out, e.tick - now);
        now = e.tick;
        out.insert(out.end(), e.bytes.begin(), e.bytes.end());
    }
    PutVarLen(out, std::max(end_, now) - now);
    out.insert(out.end(), {0xFF, 0x2F, 0x00});
    return out;
}

std::vector<unsigned char> EncodeMidi(int ticksPerQuarter, const std::vector<MidiTrack>& tracks) {
    std::vector<unsigned char> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    out.push_back(static_cast<unsigned char>(tracks.size() >> 8));
    out.push_back(static_cast<unsigned char>(tracks.size() & 0xFF));
    out.push_back(static_cast<unsigned char>(ticksPerQuarter >> 8));
    out.push_back(static_cast<unsigned char>(ticksPerQuarter & 0xFF));
    for (const MidiTrack& t : tracks) {
        const std::vector<unsigned char> body = t.Encode();
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        Put32(out, static_cast<std::uint32_t>(body.size()));
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

}  // namespace zelkor::assetgen
