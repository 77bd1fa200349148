#include "game/control/run/game_setup.h"

#include <iostream>

#include "common/text_encoding.h"
#include "game/control/options/settings.h"
#include "game/control/run/quit.h"
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
// clock starts at its seed).
std::unique_ptr<Game> SeededGame(Clock& clock) {
    auto game = std::make_unique<Game>(clock);
    game->rng.Seed(static_cast<std::uint64_t>(clock.NowMs()));
    return game;
}

}  // namespace

GameSetup::GameSetup(const GameServices& services, const std::filesystem::path& gameDir)
    : game_(SeededGame(services.clock)),
      settings_(services.settings),
      files_(gameDir),
      registration_(gameDir, std::cerr),
      messageBox_(services.messageBox),
      archives_(*game_, files_, services.archiveReaders,
                StartupHooks(*game_,
                             [this](std::string_view archive, std::string_view reason) {
                                 GoOnWithoutArchive(archive, reason);
                             })),
      pictures_(files_, services.pictureFiles, *this),
      screen_(services.display, pictures_, services.text),
      shelf_(ReplayFolder(files_),
             [&game = *game_](std::string_view line) { TellPlayer(game, line); }),
      window_(*game_, Services{services.keyboard, screen_, services.events, services.sound,
                               services.music, services.settings, services.messageBox, archives_,
                               files_, &registration_, &shelf_}) {
    // A settings file that cannot be written is no reason to stop, but the player
    // should learn why the options are not kept: on the console and the message line.
    services.settings.SetReporter(
        [&game = *game_](std::string_view line) { TellPlayer(game, line); });
}

int GameSetup::Run(std::string_view commandLine) {
    const int code = window_.INIT_Main(commandLine);
    EndRun();
    return code;
}

void GameSetup::EndRun() {
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
