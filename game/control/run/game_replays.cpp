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

void GameReplays::MenuKeysAct() {
    if (!std::exchange(startupOver_, true)) {
        startupRecords_ = tape_.position();
        startupGames_ = gamesStarted_;
        if (settings_) startupSettings_ = settings_->Text();
        if (state_.startupOver) state_.startupOver();
        // Playing a replay cut at its game's start: the run goes on in the state its game
        // started from, with the settings its game read.
        if (tape_.playing() && played_->startupRecords > 0 &&
            (startupRecords_ != played_->startupRecords ||
             !state_.restore(played_->startState, played_->gameSettingsText)))
            tape_.Diverge(kReplayWentAnotherWayText);
    }
    keysActing_ = true;
    keysCut_.reset();
    // Only a key that goes down can start a game: a pass without a press or a held key not yet
    // acted on takes nothing (a key held on in the menu or typing would otherwise take the
    // run's state every pass; a repeating key only steps an option).
    const KeyState& keys = game_.keys;
    bool keyMayAct = !keys.presses.Empty();
    for (std::size_t k = 0; k < keys.snapshot.size() && !keyMayAct; ++k)
        keyMayAct = keys.snapshot[k] != 0 && keys.ready[k];
    if (!tape_.recording() || !keyMayAct || !state_.take) return;
    keysCut_ = Cut{tape_.position(), state_.take(), {}};
    if (settings_) settings_->Mark();
}

void GameReplays::MenuKeysActed() {
    keysActing_ = false;
    keysCut_.reset();
}

void GameReplays::GameStarted(ReplayStart how, std::string_view level) {
    GameEnded();  // a game given up for a new one ends there
    inGame_ = true;
    levels_ = 1;
    header_.start = how;
    header_.startLevel = level;
    cut_.reset();
    if (keysActing_ && keysCut_) {
        cut_ = std::move(keysCut_);
        keysCut_.reset();
    }
    header_.gamesBefore = cut_ ? startupGames_ : gamesStarted_;
    ++gamesStarted_;
    if (tape_.recording() && cut_) {
        if (settings_) settings_->KeepMark();
        cut_->digest = state_.digest();
    }
    if (!tape_.playing() || gamesStarted_ - 1 != played_->gamesBefore) return;
    // The replay's own game: where the recorded one began, it begins in the state recorded.
    if (!played_->startDigest.empty() && state_.digest() != played_->startDigest)
        tape_.Diverge(kReplayWentAnotherWayText);
    if (ownGameStarted_) ownGameStarted_();
}

void GameReplays::LevelLoaded() {
    if (inGame_) ++levels_;
}

bool GameReplays::GameEnded() {
    if (!std::exchange(inGame_, false)) return false;
    const std::int64_t score = game_.Snake(1).totalScore;
    if (tape_.recording()) {
        Replay replay{header_, {}};
        replay.header.finalScore = score;
        replay.header.finalLevel = levels_;
        const std::vector<ReplayRecord>& records = tape_.records();
        if (cut_) {
            // The start-up, then the game from the pass whose keys started it.
            replay.records.assign(records.begin(),
                                  records.begin() + static_cast<std::ptrdiff_t>(startupRecords_));
            replay.records.insert(replay.records.end(),
                                  records.begin() + static_cast<std::ptrdiff_t>(cut_->at),
                                  records.end());
            replay.header.startupRecords = startupRecords_;
            replay.header.startState = cut_->state;
            replay.header.startDigest = cut_->digest;
            replay.header.settingsText = startupSettings_;
            if (settings_)
                replay.header.gameSettingsText =
                    settings_->Text(RecordingSettings::Since::GameStart);
        } else {
            replay.records = records;
            if (settings_) replay.header.settingsText = settings_->Text();
        }
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
