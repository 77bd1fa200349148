#include "game/control/replay/replay_format.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "common/sha256.h"
#include "game/rules/game.h"

namespace zelkor {
namespace {

constexpr std::size_t kDigestLength = 64;  // hexadecimal digits
constexpr unsigned kKindBits = 3;
constexpr unsigned kKindMask = (1u << kKindBits) - 1;
// The small number of a tag: values up to kSmallEscape - 1 sit in it, larger ones follow.
constexpr std::uint64_t kSmallEscape = 31;
// A keyboard tag: the number of changed keys (kTogglesEscape: it follows), and whether presses
// follow.
constexpr std::uint64_t kTogglesEscape = 15;
constexpr std::uint64_t kPressesFlag = 16;

std::uint64_t ZigZag(std::int64_t v) {
    return (static_cast<std::uint64_t>(v) << 1) ^ static_cast<std::uint64_t>(v >> 63);
}
std::int64_t UnZigZag(std::uint64_t z) {
    return static_cast<std::int64_t>(z >> 1) ^ -static_cast<std::int64_t>(z & 1);
}

bool HasName(ReplayInput kind) {
    return kind == ReplayInput::SoundLoad || kind == ReplayInput::FilePresence;
}

// The largest value each kind of answer takes.
std::int64_t MostValue(ReplayInput kind) {
    switch (kind) {
        case ReplayInput::Window:
            return static_cast<std::int64_t>(ReplayWindowEvent::NoEventCame);
        case ReplayInput::MessageBox:
            return 255;
        case ReplayInput::Music:
            return MusicAnswer(ReplayMusicQuestion::Ended, true);
        default:
            return 1;
    }
}

bool IsHexDigest(std::string_view s) {
    return s.size() == kDigestLength && std::all_of(s.begin(), s.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

class Writer {
public:
    void Bytes(std::string_view s) { out_.append(s); }
    void Byte(std::uint64_t b) { out_ += static_cast<char>(b); }
    void Number(std::uint64_t v) {
        for (; v >= 0x80; v >>= 7)
            Byte((v & 0x7f) | 0x80);
        Byte(v);
    }
    void Text(std::string_view s) {
        Number(s.size());
        Bytes(s);
    }
    void TagByte(ReplayInput kind, std::uint64_t small) {
        Byte(static_cast<std::uint64_t>(kind) | (small << kKindBits));
    }
    // A tag whose small number is `v` when it fits, else escaped, `v` following.
    void Tag(ReplayInput kind, std::uint64_t v, std::uint64_t escape, std::uint64_t flags = 0) {
        TagByte(kind, std::min(v, escape) | flags);
        if (v >= escape) Number(v - escape);
    }
    std::string& out() { return out_; }

private:
    std::string out_;
};

// Reads the file's bytes; every read fails once one failed, so a caller checks at the end.
class Reader {
public:
    explicit Reader(std::string_view in) : in_(in) {}
    bool ok() const { return ok_; }
    bool AtEnd() const { return pos_ == in_.size(); }
    std::size_t Left() const { return in_.size() - pos_; }
    bool Fail() { return ok_ = false; }

    std::string_view Bytes(std::size_t n) {
        if (!ok_ || n > Left()) {
            Fail();
            return {};
        }
        const std::string_view s = in_.substr(pos_, n);
        pos_ += n;
        return s;
    }
    std::uint8_t Byte() {
        const std::string_view b = Bytes(1);
        return b.empty() ? 0 : static_cast<std::uint8_t>(b[0]);
    }
    // Only the shortest way of writing a number is accepted.
    std::uint64_t Number() {
        std::uint64_t v = 0;
        for (unsigned shift = 0; ok_; shift += 7) {
            const std::uint8_t b = Byte();
            if (shift == 63 && b > 1) Fail();
            if (shift > 0 && b == 0) Fail();
            v |= static_cast<std::uint64_t>(b & 0x7f) << shift;
            if ((b & 0x80) == 0) break;
        }
        return ok_ ? v : 0;
    }
    std::uint64_t NumberAtMost(std::uint64_t most) {
        const std::uint64_t v = Number();
        if (v > most) Fail();
        return ok_ ? v : 0;
    }
    // A count of things that each take at least one byte: never more than the bytes left.
    std::size_t Count() { return static_cast<std::size_t>(NumberAtMost(Left())); }
    std::string Text() {
        const std::size_t n = Count();
        return std::string(Bytes(n));
    }
    std::uint64_t Small(std::uint64_t small, std::uint64_t escape) {
        if (small < escape) return small;
        const std::uint64_t extra = Number();
        if (extra > UINT64_MAX - escape) Fail();
        return ok_ ? escape + extra : 0;
    }

private:
    std::string_view in_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

void WriteHeader(Writer& w, const ReplayHeader& h) {
    w.Bytes(kReplayMagic);
    w.Number(kReplayFormatVersion);
    w.Number(h.behaviourVersion);
    w.Text(h.gameVersion);
    for (std::uint64_t word : h.randomState)
        w.Number(word);
    w.Text(h.settingsText);
    w.Number(h.switches.size());
    for (const std::string& s : h.switches)
        w.Text(s);
    w.Number(h.files.size());
    for (const ReplayFile& f : h.files) {
        w.Text(f.name);
        w.Bytes(f.sha256);
    }
    w.Number(static_cast<std::uint64_t>(h.start));
    w.Text(h.startLevel);
    w.Number(h.windowWaits ? 1 : 0);
    w.Number(ZigZag(h.finalScore));
    w.Number(ZigZag(h.finalLevel));
    w.Number(h.gamesBefore);
    w.Number(h.startupRecords);
    w.Text(h.startState);
    w.Text(h.gameSettingsText);
    w.Text(h.startDigest);
}

// Keys that went down or up between two snapshots, ascending.
std::vector<std::uint8_t> Toggled(const std::vector<std::uint8_t>& before,
                                  const std::vector<std::uint8_t>& after) {
    std::vector<std::uint8_t> toggled;
    std::set_symmetric_difference(before.begin(), before.end(), after.begin(), after.end(),
                                  std::back_inserter(toggled));
    return toggled;
}

void WriteRecords(Writer& w, const std::vector<ReplayRecord>& records) {
    std::int64_t clock = 0;
    std::vector<std::uint8_t> held;
    for (const ReplayRecord& r : records) {
        switch (r.kind) {
            case ReplayInput::Clock: {
                // A pass of a loop moves the clock on by a few ms: such a change fits in the
                // tag; any other follows it.
                const std::int64_t change = static_cast<std::int64_t>(
                    static_cast<std::uint64_t>(r.value) - static_cast<std::uint64_t>(clock));
                if (change >= 0 && change < static_cast<std::int64_t>(kSmallEscape)) {
                    w.TagByte(r.kind, static_cast<std::uint64_t>(change));
                } else {
                    w.TagByte(r.kind, kSmallEscape);
                    w.Number(ZigZag(change));
                }
                clock = r.value;
                break;
            }
            case ReplayInput::Keys: {
                const std::vector<std::uint8_t> toggled = Toggled(held, r.held);
                w.Tag(r.kind, toggled.size(), kTogglesEscape, r.presses.empty() ? 0 : kPressesFlag);
                for (std::uint8_t code : toggled)
                    w.Byte(code);
                if (!r.presses.empty()) {
                    w.Number(r.presses.size() - 1);
                    for (std::uint8_t code : r.presses)
                        w.Byte(code);
                }
                held = r.held;
                break;
            }
            default:
                w.Tag(r.kind, static_cast<std::uint64_t>(r.value), kSmallEscape);
                if (HasName(r.kind)) w.Text(r.name);
        }
    }
}

bool ReadHeader(Reader& in, ReplayHeader& h) {
    h.gameVersion = in.Text();
    for (std::uint64_t& word : h.randomState)
        word = in.Number();
    h.settingsText = in.Text();
    // Lists grow as their entries come in: a count alone is never trusted.
    for (std::size_t n = in.Count(); n > 0 && in.ok(); --n)
        h.switches.push_back(in.Text());
    for (std::size_t n = in.Count(); n > 0 && in.ok(); --n) {
        ReplayFile& f = h.files.emplace_back();
        f.name = in.Text();
        f.sha256 = in.Bytes(kDigestLength);
        if (f.name.empty() || !IsHexDigest(f.sha256)) in.Fail();
    }
    h.start = static_cast<ReplayStart>(in.NumberAtMost(static_cast<int>(ReplayStart::CommandLine)));
    h.startLevel = in.Text();
    h.windowWaits = in.NumberAtMost(1) == 1;
    h.finalScore = UnZigZag(in.Number());
    const std::int64_t level = UnZigZag(in.Number());
    if (level < INT32_MIN || level > INT32_MAX) in.Fail();
    h.finalLevel = static_cast<std::int32_t>(level);
    h.gamesBefore = static_cast<std::uint32_t>(in.NumberAtMost(UINT32_MAX));
    h.startupRecords = in.Number();
    h.startState = in.Text();
    h.gameSettingsText = in.Text();
    h.startDigest = in.Text();
    // A cut replay has all of its cut's parts, an uncut one none.
    const bool cut = h.startupRecords > 0;
    if (cut != !h.startState.empty() || (cut && !IsHexDigest(h.startDigest)) ||
        (!cut && !(h.startDigest.empty() && h.gameSettingsText.empty())))
        in.Fail();
    return in.ok();
}

// Codes of keys, 1..255; ascending ones for a set.
bool ReadCodes(Reader& in, std::size_t n, bool ascending, std::vector<std::uint8_t>& codes) {
    codes.clear();
    for (std::size_t i = 0; i < n && in.ok(); ++i) {
        const std::uint8_t code = in.Byte();
        if (code == 0 || (ascending && !codes.empty() && code <= codes.back())) return in.Fail();
        codes.push_back(code);
    }
    return in.ok();
}

bool ReadRecord(Reader& in, std::int64_t& clock, std::vector<std::uint8_t>& held, ReplayRecord& r) {
    const std::uint8_t tag = in.Byte();
    const unsigned kind = tag & kKindMask;
    const std::uint64_t small = tag >> kKindBits;
    if (kind >= kReplayInputKinds) return in.Fail();
    r.kind = static_cast<ReplayInput>(kind);
    if (r.kind == ReplayInput::Clock) {
        std::int64_t change = static_cast<std::int64_t>(small);
        if (small == kSmallEscape) {
            change = UnZigZag(in.Number());
            if (change >= 0 && change < static_cast<std::int64_t>(kSmallEscape)) return in.Fail();
        }
        clock = static_cast<std::int64_t>(static_cast<std::uint64_t>(clock) +
                                          static_cast<std::uint64_t>(change));
        r.value = clock;
    } else if (r.kind == ReplayInput::Keys) {
        std::vector<std::uint8_t> toggled;
        const std::size_t count = in.Small(small & ~kPressesFlag, kTogglesEscape);
        if (count > in.Left() || !ReadCodes(in, count, true, toggled)) return in.Fail();
        r.held.clear();
        std::set_symmetric_difference(held.begin(), held.end(), toggled.begin(), toggled.end(),
                                      std::back_inserter(r.held));
        held = r.held;
        if (small & kPressesFlag) {
            const std::size_t presses = in.NumberAtMost(KeyPresses::kMost - 1) + 1;
            ReadCodes(in, presses, false, r.presses);
        }
    } else {
        const std::uint64_t value = in.Small(small, kSmallEscape);
        if (value > static_cast<std::uint64_t>(MostValue(r.kind))) return in.Fail();
        r.value = static_cast<std::int64_t>(value);
        if (HasName(r.kind)) r.name = in.Text();
    }
    return in.ok();
}

}  // namespace

std::string EncodeReplay(const Replay& replay) {
    Writer w;
    WriteHeader(w, replay.header);
    WriteRecords(w, replay.records);
    w.Bytes(Sha256Hex(w.out()));
    return std::move(w.out());
}

ReplayRead DecodeReplay(std::string_view bytes) {
    const auto refuse = [](const char* text) { return ReplayRead{std::nullopt, text}; };
    if (!bytes.starts_with(kReplayMagic)) return refuse(kReplayForeignText);
    Reader in(bytes.substr(kReplayMagic.size()));
    const std::uint64_t format = in.Number();
    if (!in.ok() || format == 0) return refuse(kReplayDamagedText);
    if (format > kReplayFormatVersion) return refuse(kReplayNewerText);
    if (format < kReplayFormatVersion) return refuse(kReplayOlderText);

    // Whatever follows is only trusted once the whole file is known to be as written.
    if (bytes.size() < kReplayMagic.size() + kDigestLength) return refuse(kReplayDamagedText);
    const std::string_view body = bytes.substr(0, bytes.size() - kDigestLength);
    if (Sha256Hex(body) != bytes.substr(body.size())) return refuse(kReplayDamagedText);

    Replay replay;
    in = Reader(body.substr(kReplayMagic.size()));
    in.Number();
    const std::uint64_t behaviour = in.Number();
    if (!in.ok()) return refuse(kReplayDamagedText);
    if (behaviour != kBehaviourVersion) return refuse(kReplayRulesDifferText);
    replay.header.behaviourVersion = kBehaviourVersion;
    if (!ReadHeader(in, replay.header)) return refuse(kReplayDamagedText);

    std::int64_t clock = 0;
    std::vector<std::uint8_t> held;
    while (!in.AtEnd()) {
        ReplayRecord& r = replay.records.emplace_back();
        if (!ReadRecord(in, clock, held, r)) return refuse(kReplayDamagedText);
    }
    if (replay.header.startupRecords > replay.records.size()) return refuse(kReplayDamagedText);
    return {std::move(replay), {}};
}

}  // namespace zelkor
