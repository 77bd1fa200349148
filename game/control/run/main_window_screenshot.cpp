// F12: the picture on screen as a PNG file in the player's pictures folder.
#include <chrono>
#include <cstdlib>
#include <ctime>

#include "common/text_encoding.h"
#include "game/control/run/main_window.h"
#include "game/control/run/screenshots.h"
#include "game/rules/messages.h"

namespace zelkor {

void MainWindow::SaveScreenshot() {
    const char* home = std::getenv("HOME");
    const std::filesystem::path homeFolder = home != nullptr ? home : "";
    if (picturesFolder_.empty()) {
        ShowMessage(game_, "Screenshots are not saved in this run");
        return;
    }
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    const std::filesystem::path file = ScreenshotFile(picturesFolder_, local);
    // The message lines use the bitmap fonts' Windows-1252 letters.
    if (!file.empty() && s_.screen.SaveScreenshot(file)) {
        ShowMessage(game_, Utf8ToCp1252("Screenshot saved as " + ShownPath(file, homeFolder)));
    } else {
        ShowMessage(game_, Utf8ToCp1252("Screenshot could not be written to " +
                                        ShownPath(picturesFolder_, homeFolder)));
    }
}

}  // namespace zelkor
