#include "game/control/run/game_replays.h"

#include <algorithm>

#include "common/sha256.h"

namespace zelkor {

namespace {

std::string HeaderName(const std::filesystem::path& folder, const std::filesystem::path& file) {
    const std::filesystem::path below = file.lexically_relative(folder);
    const bool inside = !below.empty() && *below.begin() != "..";
    return (inside ? below : file).generic_string();
}

}  // namespace

bool GameReplays::Named(const std::filesystem::path& folder,
                        const std::filesystem::path& file) const {
    const std::string name = HeaderName(folder, file);
    return std::any_of(header_.files.begin(), header_.files.end(),
                       [&](const ReplayFile& f) { return f.name == name; });
}

void GameReplays::Consulted(const std::filesystem::path& folder, const std::filesystem::path& file,
                            std::string_view bytes) {
    if (!tape_.recording() || Named(folder, file)) return;
    header_.files.push_back({HeaderName(folder, file), Sha256Hex(bytes)});
}

ReplayOutcome GameReplays::outcome() const {
    ReplayOutcome outcome = outcome_;
    if (!outcome.ended)
        outcome.divergence =
            tape_.divergence().empty() ? kReplayEndedEarlyText : tape_.divergence();
    return outcome;
}

void GameReplays::GameStarted(ReplayStart how, std::string_view level) {
    GameEnded();  // a game given up for a new one ends there
    inGame_ = true;
    levels_ = 1;
    header_.start = how;
    header_.startLevel = level;
    header_.gamesBefore = gamesStarted_++;
    if (tape_.playing() && header_.gamesBefore == ownGamesBefore_ && ownGameStarted_)
        ownGameStarted_();
}

void GameReplays::LevelLoaded() {
    if (inGame_) ++levels_;
}

bool GameReplays::GameEnded() {
    if (!std::exchange(inGame_, false)) return false;
    const std::int64_t score = game_.Snake(1).totalScore;
    if (tape_.recording()) {
        Replay replay{header_, tape_.records()};
        replay.header.finalScore = score;
        replay.header.finalLevel = levels_;
        if (settings_) replay.header.settingsText = settings_->Text();
        if (keeper_) keeper_->GameRecorded(replay);
        return false;
    }
    // Playing: an earlier game of the recorded run is played through.
    if (!tape_.playing() || !(tape_.AllTaken() || tape_.finished())) return false;
    outcome_ = {true, {}, score, levels_};
    tape_.Finish();
    return true;
}

}  // namespace zelkor
