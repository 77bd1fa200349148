#include "game/present/model_packs.h"

#include <algorithm>
#include <vector>

#include "common/numbers.h"
#include "common/paths.h"
#include "common/regular_file.h"
#include "common/text_encoding.h"
#include "game/present/pictures.h"

namespace zelkor {
namespace {

constexpr std::size_t kMaxLine = 255;
constexpr std::size_t kMaxCredit = 40;

bool StartsWith(std::string_view line, std::string_view key) {
    return line.substr(0, key.size()) == key;
}

std::string_view After(std::string_view line, std::size_t n) {
    return n < line.size() ? line.substr(n) : std::string_view{};
}

std::string Credit(std::string_view line, std::size_t n) {
    return std::string(After(line, n).substr(0, kMaxCredit));
}

// The pack files of the models folder, sorted by name.
std::vector<std::string> PackFiles(const std::filesystem::path& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() > 4 && SameIgnoringCase(name.substr(name.size() - 4), ".zmp") &&
            it->is_regular_file(error))
            files.push_back(Utf8ToCp1252(name));
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The model a damaged pack's snakes are drawn with: the standard pack, or the first
// sound one when there is none; -1 when no pack is sound.
int StandardModel(const ModelList& models, const std::vector<int>& damaged) {
    int first = -1;
    for (int model = 0; model <= models.highest; ++model) {
        if (std::find(damaged.begin(), damaged.end(), model) != damaged.end()) continue;
        if (SameIgnoringCase(models.packs[static_cast<std::size_t>(model)].folder, "Standart"))
            return model;
        if (first < 0) first = model;
    }
    return first;
}

}  // namespace

void ReadModelIni(std::string_view bytes, ModelPack& pack) {
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view{} : bytes.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = line.substr(0, kMaxLine);
        if (StartsWith(line, "NAME")) {
            pack.name = Credit(line, 5);
        } else if (StartsWith(line, "AUTHOR")) {
            pack.author = Credit(line, 7);
        } else if (StartsWith(line, "EDGES=")) {
            pack.edges = ReadNumber(After(line, 6)) != 0;
        } else if (StartsWith(line, "EDGES_INVERS")) {
            pack.edgesInvers = ReadNumber(After(line, 13)) != 0;
        } else if (StartsWith(line, "TAIL_EDGES")) {
            pack.tailEdges = ReadNumber(After(line, 11)) != 0;
        }
    }
}

ModelList ZkGetModelPacks(const Game& game, PictureStore& pictures, PictureHost& host) {
    host.SetLoadingLabel("Loading model packs...");
    if (game.run.debug) host.ConsolePrint("ZkGetModelPacks: Searching model packs");
    const GameFiles& gameFiles = pictures.gameFiles();
    const std::vector<std::string> files = PackFiles(gameFiles.File("models"));
    const int listed = static_cast<int>(std::min<std::size_t>(files.size(), kMaxModels));
    for (std::size_t i = kMaxModels; i < files.size(); ++i)
        host.ConsolePrint("ZkGetModelPacks: No room for more than 100 models, skipping " +
                          files[i]);
    host.SetProgressTotal((listed - 1) * 16 * 2);

    ModelList models;
    std::vector<int> damaged;
    for (int i = 0; i < listed; ++i) {
        const std::string& file = files[static_cast<std::size_t>(i)];
        const std::string folder = file.substr(0, file.size() - 4);
        host.SetLoadingLabel("Decompressing/Loading model: " + folder);
        host.ShowStartupWindow();
        if (!game.flags.displayReady) {
            if (game.run.debug) host.ConsolePrint("ZkGetModelPacks: Loading " + file);
            host.Unextract("\\models\\" + file, "\\gfx\\", "");
        }
        const int model = i;
        ModelPack& pack = models.packs[static_cast<std::size_t>(model)];
        pack = ModelPack{};
        pack.file = file;
        pack.folder = folder;
        models.highest = static_cast<std::int16_t>(model);
        const std::string gfxFolder = "\\gfx\\" + folder;
        const std::filesystem::path ini = gameFiles.File(gfxFolder + "\\model.ini");
        std::error_code error;
        const bool unpacked = gameFiles.Exists(gfxFolder);
        if (!unpacked) {
            // The pack keeps its number, so the stored "Player Color" and the computer
            // snakes keep theirs; its snakes are drawn with the standard model.
            host.ConsolePrint("ZkGetModelPacks: Skipping damaged model pack " + file);
            pack.name = folder;
            pack.author = "Unknown";
            damaged.push_back(model);
        } else if (std::filesystem::is_regular_file(ini, error)) {
            ReadModelIni(ReadFileStart(ini, kMaxModelIniBytes), pack);
        } else {
            pack.name = folder;
            pack.edges = true;
            pack.tailEdges = true;
            pack.edgesInvers = false;
            pack.author = "Unknown";
        }
        if (unpacked) pictures.DD_LoadModelSprites(game, model, pack);
    }
    const int standard = StandardModel(models, damaged);
    for (const int model : damaged) {
        if (standard < 0) break;
        const ModelPack& with = models.packs[static_cast<std::size_t>(standard)];
        ModelPack& pack = models.packs[static_cast<std::size_t>(model)];
        pack.edges = with.edges;
        pack.edgesInvers = with.edgesInvers;
        pack.tailEdges = with.tailEdges;
        pictures.CopyModelSprites(standard, model);
    }
    return models;
}

}  // namespace zelkor
