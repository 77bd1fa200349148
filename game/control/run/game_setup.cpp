#include "game/control/run/game_setup.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "common/regular_file.h"
#include "common/sha256.h"
#include "common/text_encoding.h"
#include "game/control/headless/state_dump.h"
#include "game/control/options/settings.h"
#include "game/control/run/quit.h"
#include "game/control/run/run_snapshot.h"
#include "game/rules/messages.h"

namespace zelkor {
namespace {

// A problem the player should learn of whatever the debug mode: on standard error
// and the start-up console.
void ReportToPlayer(Game& game, std::string_view utf8Line) {
    std::cerr << utf8Line << '\n';
    ConsolePrint(game, Utf8ToCp1252(utf8Line));
}

// A problem that does not stop the game, said once: also on the message line.
void TellPlayer(Game& game, std::string_view utf8Line) {
    ReportToPlayer(game, utf8Line);
    ShowMessage(game, Utf8ToCp1252(utf8Line));
}

UnextractHooks StartupHooks(Game& game,
                            std::function<void(std::string_view, std::string_view)> cannotWrite) {
    UnextractHooks hooks;
    hooks.cannotWrite = std::move(cannotWrite);
    hooks.reportProblem = [&game](std::string_view line) { ReportToPlayer(game, line); };
    hooks.consolePrint = [&game](std::string_view text) { ConsolePrint(game, text); };
    hooks.setValue = [&game](double percent) { SetProgress(game, percent); };
    return hooks;
}

// A new game, its random numbers seeded from the clock (the headless runner's manual
// clock starts at its seed), or as the played replay's were.
std::unique_ptr<Game> SeededGame(Clock& clock, const Replay* play) {
    auto game = std::make_unique<Game>(clock);
    game->rng.Seed(static_cast<std::uint64_t>(clock.NowMs()));
    if (play) game->rng.Restore(play->header.randomState);
    return game;
}

ReplayTape TapeFor(const ReplaySession& replay) {
    if (replay.play) return ReplayTape(replay.play->records);
    ReplayTape tape;
    if (replay.record) tape.Record();
    return tape;
}

// The game's switches one by one, split at every blank so that joining them gives the line.
std::vector<std::string> SplitSwitches(std::string_view line) {
    std::vector<std::string> switches;
    if (line.empty()) return switches;
    for (std::size_t start = 0;;) {
        const std::size_t blank = line.find(' ', start);
        switches.emplace_back(line.substr(start, blank - start));
        if (blank == std::string_view::npos) return switches;
        start = blank + 1;
    }
}

std::string JoinedSwitches(const std::vector<std::string>& switches) {
    std::string line;
    for (std::size_t i = 0; i < switches.size(); ++i)
        line += (i > 0 ? " " : "") + switches[i];
    return line;
}

// A played replay's still loops wait as the recorded window's did.
bool PlayedWindowWaits(const ReplaySession& replay) {
    return replay.play && replay.play->header.windowWaits;
}

}  // namespace

GameSetup::GameSetup(const GameServices& services, const std::filesystem::path& gameDir,
                     const ReplaySession& replay)
    : played_(replay.play),
      tape_(TapeFor(replay)),
      seams_(tape_,
             {services.clock, services.keyboard, services.events, services.sound, services.music,
              services.messageBox, services.archiveReaders},
             PlayedWindowWaits(replay)),
      recordingSettings_(tape_.recording() ? std::make_unique<RecordingSettings>(services.settings)
                                           : nullptr),
      playedSettings_(replay.play
                          ? std::make_unique<PlayedSettings>(replay.play->header.settingsText)
                          : nullptr),
      game_(SeededGame(seams_.clock(), replay.play)),
      replays_(tape_, *game_, &shelf_),
      settings_(recordingSettings_ ? *recordingSettings_
                : playedSettings_  ? *playedSettings_
                                   : services.settings),
      files_(gameDir),
      registration_(gameDir, std::cerr),
      messageBox_(seams_.messageBox()),
      archives_(*game_, files_, seams_.archiveReaders(),
                StartupHooks(*game_,
                             [this](std::string_view archive, std::string_view reason) {
                                 GoOnWithoutArchive(archive, reason);
                             })),
      pictures_(files_, services.pictureFiles, *this),
      screen_(services.display, pictures_, services.text),
      shelf_(ReplayFolder(files_),
             [&game = *game_](std::string_view line) { TellPlayer(game, line); }),
      window_(*game_, Services{seams_.keyboard(), screen_, seams_.events(), seams_.sound(),
                               seams_.music(), settings_, seams_.messageBox(), archives_, files_,
                               &registration_, &shelf_, &replays_}) {
    shelf_.PassOn(replay.keeper);
    WatchReplay(services, replay);
    // A settings file that cannot be written is no reason to stop, but the player
    // should learn why the options are not kept: on the console and the message line.
    settings_.SetReporter([&game = *game_](std::string_view line) { TellPlayer(game, line); });
}

// Recording: the header holds what the run's start depends on and names every file it
// reads; playing: the run stops where the replay ends or goes another way.
void GameSetup::WatchReplay(const GameServices& services, const ReplaySession& replay) {
    replays_.SetRunState(StartState());
    if (tape_.playing()) {
        shelf_.TurnOff();
        replays_.Play(played_->header, replay.ownGameStarted);
        tape_.OnStop(
            [&sink = static_cast<WindowEventSink&>(window_), playStopped = replay.playStopped] {
                if (playStopped) playStopped();
                sink.RunOver();
            });
        return;
    }
    if (!tape_.recording()) return;
    ReplayHeader& header = replays_.header();
    header.gameVersion = kGameVersion;
    header.randomState = game_->rng.Words();
    header.windowWaits = services.events.Waits();
    replays_.SetSettings(recordingSettings_.get());
    files_.WatchReads([this](const std::filesystem::path& file, std::string_view bytes) {
        replays_.Consulted(files_.folder(), file, bytes);
    });
    seams_.OnArchiveOpened([this](const std::filesystem::path& archive) {
        if (replays_.Named(files_.folder(), archive)) return;
        const FileBytes read = ReadRegularFile(archive, std::size_t{512} << 20);
        if (read.status == FileStatus::Ok) replays_.Consulted(files_.folder(), archive, read.bytes);
    });
}

namespace {

// Stands for the game folder's path in a replay's run state: a replay may be played in
// another folder than it was recorded in.
constexpr std::string_view kGameFolderMark = "<game folder>";

void ReplaceInTexts(nlohmann::json& j, std::string_view from, std::string_view to) {
    if (j.is_string()) {
        std::string& text = j.get_ref<std::string&>();
        for (std::size_t at = 0; !from.empty() && (at = text.find(from, at)) != text.npos;
             at += to.size())
            text.replace(at, from.size(), to);
    }
    if (j.is_structured())
        for (nlohmann::json& item : j)
            ReplaceInTexts(item, from, to);
}

}  // namespace

nlohmann::json GameSetup::FolderFreeSnapshot() {
    nlohmann::json snapshot = RunSnapshot(*game_, window_.pictureStale());
    ReplaceInTexts(snapshot, files_.folder().string(), kGameFolderMark);
    return snapshot;
}

GameReplays::RunState GameSetup::StartState() {
    GameReplays::RunState state;
    state.startupOver = [this] { startupState_ = FolderFreeSnapshot(); };
    state.take = [this] { return SnapshotChanges(startupState_, FolderFreeSnapshot()); };
    state.restore = [this](std::string_view changes, std::string_view settings) {
        std::optional<nlohmann::json> snapshot = ChangedSnapshot(startupState_, changes);
        if (snapshot) ReplaceInTexts(*snapshot, kGameFolderMark, files_.folder().string());
        const std::optional<RestoredRun> restored =
            snapshot ? RestoreRunSnapshot(*snapshot, *game_) : std::nullopt;
        if (!restored) return false;
        seams_.clock().Set(restored->now);
        window_.TakeUpRun(restored->pictureStale);
        if (playedSettings_) playedSettings_->Reseed(settings);
        return true;
    };
    // The state dump and the snapshot, with the game folder's own path left out (a replay
    // may be played in another folder than it was recorded in).
    state.digest = [this] {
        nlohmann::json dump = DumpState(*game_, files_.folder());
        ReplaceInTexts(dump, files_.folder().string(), kGameFolderMark);
        std::string text = dump.dump();
        const std::vector<std::uint8_t> snapshot = nlohmann::json::to_cbor(FolderFreeSnapshot());
        text.append(snapshot.begin(), snapshot.end());
        return Sha256Hex(text);
    };
    return state;
}

int GameSetup::Run(std::string_view commandLine) {
    std::string line(commandLine);
    if (tape_.playing()) {
        line = JoinedSwitches(played_->header.switches);
    } else {
        replays_.header().switches = SplitSwitches(commandLine);
    }
    const int code = window_.INIT_Main(line);
    EndRun();
    return code;
}

void GameSetup::EndRun() {
    replays_.GameEnded();  // the program closing ends the game it was in
    if (!game_->flags.displayReady) return;
    SaveSettings(*game_, settings_);
    QuitServices quit;
    quit.lastCopy = LastCopyQuestion(&registration_);
    QuitCleanUp(*game_, files_.folder(), settings_, quit);
}

void GameSetup::ConsolePrint(std::string_view text) {
    zelkor::ConsolePrint(*game_, text);
}

void GameSetup::SetLoadingLabel(std::string_view text) {
    game_->startup.loadingLabel.assign(text);
}

void GameSetup::ShowProgressFrame() {
    game_->startup.progressShown = true;
}

void GameSetup::SetProgress(double percent) {
    zelkor::SetProgress(*game_, percent);
}

void GameSetup::CountLoadedPicture() {
    ProgressCounters& p = game_->progress;
    if (p.count < INT16_MAX) ++p.count;
    if (!game_->flags.displayReady && p.total != 0)
        zelkor::SetProgress(*game_, ((p.base + p.count) / 2.0 * 100.0) / (p.total * 2.0));
}

void GameSetup::ResetPictureCount() {
    game_->progress.count = 0;
}

void GameSetup::SetProgressTotal(int total) {
    game_->progress.total = static_cast<std::int16_t>(std::clamp(total, -32768, 32767));
    game_->progress.base = 0;
}

void GameSetup::Unextract(std::string_view archive, std::string_view destination,
                          std::string_view password) {
    archives_.Unextract(archive, destination, password);
}

// An archive that could not be unpacked for want of disk space: at start-up the player
// decides whether to play on without what it holds; a level's archive is said on the
// message line.
void GameSetup::GoOnWithoutArchive(std::string_view archive, std::string_view reason) {
    if (game_->flags.ending) return;
    const std::string what =
        std::string(archive) + " could not be unpacked: " + std::string(reason);
    if (game_->flags.displayReady) {
        ShowMessage(*game_, Utf8ToCp1252(what));
        return;
    }
    const std::string text = what + "\n\nGo on without it?";
    if (messageBox_.Show(MessageIcon::Critical, "Zelkor", Utf8ToCp1252(text),
                         MessageButtons::YesNo) == MessageAnswer::No)
        window_.QuitAndEnd();
}

void GameSetup::PictureOfWrongSize(std::string_view line, bool firstTime) {
    std::cerr << Cp1252ToUtf8(line) << '\n';
    if (firstTime) ShowMessage(*game_, line);
}

bool GameSetup::ContinueWithoutPicture(std::string_view title, std::string_view text) {
    if (game_->flags.ending) return false;  // the player chose to quit already
    if (messageBox_.Show(MessageIcon::Critical, title, text, MessageButtons::YesNo) ==
        MessageAnswer::Yes)
        return true;
    window_.QuitAndEnd();
    return false;
}

void GameSetup::ShowStartupWindow() {
    if (!game_->flags.displayReady) screen_.ShowStartupWindow(*game_);
}

}  // namespace zelkor
