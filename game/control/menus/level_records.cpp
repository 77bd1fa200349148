#include "game/control/menus/level_records.h"

#include <array>
#include <charconv>

#include "common/settings_store.h"
#include "game/control/replay/replay_shelf.h"

namespace zelkor {
namespace {

bool KeptAsIs(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
}

bool IsSha256(std::string_view text) {
    if (text.size() != 64) return false;
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

// A whole field of decimal digits (a score may be below 0).
std::optional<std::int32_t> Number(std::string_view field) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc{} || end != field.data() + field.size()) return std::nullopt;
    return value;
}

std::optional<LevelRecord> ReadLine(SettingsStore& store, std::string_view fileName) {
    const std::optional<std::string> text =
        store.Read(kLevelRecordsSection, LevelRecordKey(fileName));
    if (!text) return std::nullopt;
    return ParseLevelRecord(*text);
}

}  // namespace

std::string LevelRecordKey(std::string_view fileName) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string key;
    for (const char ch : fileName) {
        const auto c = static_cast<unsigned char>(ch);
        if (KeptAsIs(c)) {
            key += ch;
        } else {
            key += '%';
            key += kHex[c >> 4];
            key += kHex[c & 0x0f];
        }
    }
    return key;
}

std::string LevelRecordText(const LevelRecord& record) {
    return record.sha256 + "," + std::to_string(record.score) + "," +
           std::to_string(record.seconds) + "," + record.replay;
}

std::optional<LevelRecord> ParseLevelRecord(std::string_view text) {
    std::array<std::string_view, 3> fields;
    for (std::string_view& field : fields) {
        const std::size_t comma = text.find(',');
        if (comma == std::string_view::npos) return std::nullopt;
        field = text.substr(0, comma);
        text.remove_prefix(comma + 1);
    }
    const auto score = Number(fields[1]);
    const auto seconds = Number(fields[2]);
    if (!IsSha256(fields[0]) || !score || !seconds || *seconds < 0) return std::nullopt;
    return LevelRecord{std::string(fields[0]), *score, *seconds, std::string(text)};
}

bool Beats(const LevelRecord& result, const std::optional<LevelRecord>& kept) {
    if (!kept || kept->sha256 != result.sha256) return true;
    if (result.score != kept->score) return result.score > kept->score;
    return result.seconds < kept->seconds;
}

std::optional<LevelRecord> ReadLevelRecord(SettingsStore& store, std::string_view fileName,
                                           std::string_view sha256) {
    std::optional<LevelRecord> record = ReadLine(store, fileName);
    if (record && record->sha256 != sha256) return std::nullopt;
    return record;
}

bool OfferLevelResult(SettingsStore& store, std::string_view fileName, LevelRecord result,
                      ReplayShelf& replays) {
    const std::optional<LevelRecord> kept = ReadLine(store, fileName);
    if (!Beats(result, kept)) return false;
    result.replay = replays.KeepLastGame();
    store.Write(kLevelRecordsSection, LevelRecordKey(fileName), LevelRecordText(result));
    // A copy is named after its game, so the replaced run's is another file.
    if (kept && kept->replay != result.replay) replays.Release(kept->replay);
    return true;
}

std::string BestResultText(const std::optional<LevelRecord>& record) {
    if (!record) return "not played";
    const std::int32_t seconds = record->seconds % 60;
    return std::to_string(record->score) + " in " + std::to_string(record->seconds / 60) +
           (seconds < 10 ? ":0" : ":") + std::to_string(seconds);
}

}  // namespace zelkor
