#include "game/platform/user_folders.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace zelkor {
namespace {

bool IsFolder(const std::filesystem::path& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(path, error);
}

// The first line `command` prints; empty when it cannot be run.
std::string FirstLineOf(const char* command) {
    FILE* pipe = popen(command, "r");
    if (pipe == nullptr) return {};
    std::string line;
    for (int c = std::fgetc(pipe); c != EOF && c != '\n'; c = std::fgetc(pipe))
        line.push_back(static_cast<char>(c));
    pclose(pipe);
    return line;
}

}  // namespace

std::filesystem::path UserPicturesFolder() {
    const std::filesystem::path pictures = FirstLineOf("xdg-user-dir PICTURES 2>/dev/null");
    if (IsFolder(pictures)) return pictures;
    const char* home = std::getenv("HOME");
    if (home == nullptr || !IsFolder(home)) return {};
    // Without the desktop's folder list, the usual "Pictures" folder when there is one.
    const std::filesystem::path usual = std::filesystem::path(home) / "Pictures";
    if (IsFolder(usual)) return usual;
    return home;
}

}  // namespace zelkor
