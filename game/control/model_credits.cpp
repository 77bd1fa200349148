#include "game/control/model_credits.h"

#include <algorithm>
#include <fstream>

#include "common/paths.h"

namespace zelkor {

std::vector<std::string> ModelPackFolders(const std::filesystem::path& gameDir) {
    std::vector<std::string> folders;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(ResolvePath(gameDir, "models"), ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string file = it->path().filename().string();
        if (file.size() > 4 && SameIgnoringCase(file.substr(file.size() - 4), ".zmp"))
            folders.push_back(file.substr(0, file.size() - 4));
    }
    std::sort(folders.begin(), folders.end());
    return folders;
}

ModelCredit ReadModelCredit(const std::filesystem::path& gameDir, const std::string& folder) {
    std::ifstream in(ResolvePath(gameDir, "gfx/" + folder + "/model.ini"), std::ios::binary);
    if (!in) return {folder, "Unknown"};
    ModelCredit credit;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with("NAME")) credit.name = line.size() > 5 ? line.substr(5) : "";
        if (line.starts_with("AUTHOR")) credit.author = line.size() > 7 ? line.substr(7) : "";
    }
    return credit;
}

}  // namespace zelkor
