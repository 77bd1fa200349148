#include "game/control/run/screenshots.h"

#include <array>
#include <system_error>

namespace zelkor {

std::filesystem::path ScreenshotFile(const std::filesystem::path& folder,
                                     const std::tm& localTime) {
    std::array<char, 64> stamp{};
    std::strftime(stamp.data(), stamp.size(), "%Y-%m-%d %H-%M-%S", &localTime);
    const std::string base = std::string("Zelkor ") + stamp.data();
    for (int n = 1; n <= 999; ++n) {
        const std::string name = n == 1 ? base + ".png" : base + " (" + std::to_string(n) + ").png";
        const std::filesystem::path file = folder / name;
        std::error_code error;
        // Only a name that is surely free: one that cannot be looked at is not taken over.
        if (std::filesystem::symlink_status(file, error).type() ==
            std::filesystem::file_type::not_found)
            return file;
    }
    return {};
}

std::string ShownPath(const std::filesystem::path& path, const std::filesystem::path& home) {
    const std::string text = path.string();
    const std::string homeText = home.string();
    if (!homeText.empty() && homeText != "/" && text.size() > homeText.size() &&
        text.compare(0, homeText.size(), homeText) == 0 && text[homeText.size()] == '/')
        return "~" + text.substr(homeText.size());
    return text;
}

}  // namespace zelkor
