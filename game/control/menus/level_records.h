#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelkor {

class ReplayShelf;
class SettingsStore;

inline constexpr std::string_view kLevelRecordsSection = "Level Records";

// The best result on one level: its score and play time in a run from the Levels
// page, for the level file whose bytes have the SHA-256 `sha256`.
struct LevelRecord {
    std::string sha256;
    std::int32_t score = 0;
    std::int32_t seconds = 0;
    std::string replay;  // the file name of the run's replay; empty for none
    friend bool operator==(const LevelRecord&, const LevelRecord&) = default;
};

// The settings key of a level file: its name with every byte outside a-z 0-9 . _ -
// written as %XX, capitals included, because the store's keys ignore case.
std::string LevelRecordKey(std::string_view fileName);

// "sha256,score,seconds,replay"; the replay's name comes last and may hold anything.
std::string LevelRecordText(const LevelRecord& record);
// Nothing for a value that is not such a line.
std::optional<LevelRecord> ParseLevelRecord(std::string_view text);

// Whether `result` replaces `kept`: there is none, it was for other bytes of the
// level, or the new score is higher (the same score in a shorter time).
bool Beats(const LevelRecord& result, const std::optional<LevelRecord>& kept);

// The kept record of a level file, when it is for these bytes.
std::optional<LevelRecord> ReadLevelRecord(SettingsStore& store, std::string_view fileName,
                                           std::string_view sha256);
// Keeps `result` when it beats the level's line; returns whether it did. The kept record
// names a copy of the run's replay from `replays`, and the replaced one's replay goes.
bool OfferLevelResult(SettingsStore& store, std::string_view fileName, LevelRecord result,
                      ReplayShelf& replays);

// "1240 in 1:35", or "not played" without a record.
std::string BestResultText(const std::optional<LevelRecord>& record);

}  // namespace zelkor
