#include "game/control/headless/check_level.h"

#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "common/game_files.h"
#include "common/level_format.h"
#include "common/level_reader.h"
#include "common/level_summary.h"
#include "common/paths.h"
#include "common/text_encoding.h"
#include "game/control/archives/archive_service.h"
#include "game/rules/game.h"

namespace zelkor {
namespace {

using Json = nlohmann::ordered_json;

Json ValueJson(const LevelValue& value) {
    return std::visit(
        [](const auto& v) -> Json {
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::string>)
                return Cp1252ToUtf8(v);
            else
                return v;
        },
        value);
}

// Where the game would find a "set:" picture at that point of the load: in the gfx
// folder, or in a ".zkr" archive named by an earlier "Requires=" line, which the
// game would have unpacked there by then.
class GfxLookup {
public:
    GfxLookup(const std::filesystem::path& gameDir, ArchiveReaderFactory* archives)
        : files_(gameDir), archives_(archives) {}

    LevelSummaryHooks Hooks() {
        return {[this](const std::string& name) { RequiredFile(name); },
                [this](const std::string& name) { return Exists(name); }};
    }

private:
    void RequiredFile(const std::string& name) {
        if (archives_ && IsLevelArchiveName(name))
            requiredArchives_.push_back(
                GameArchiveEntries(*archives_, files_, name, kArchivePassword));
    }
    bool Exists(const std::string& name) const {
        // The loader's test: the file-exists test on the game folder's "\gfx\" + name.
        if (files_.GfxExists(name)) return true;
        return std::any_of(requiredArchives_.begin(), requiredArchives_.end(),
                           [&](const auto& names) { return HoldsEntryName(names, name); });
    }

    GameFiles files_;
    ArchiveReaderFactory* archives_;
    std::vector<std::vector<std::string>> requiredArchives_;  // entry names, archive by archive
};

Json Document(const LevelSummary& level) {
    Json doc;
    const std::optional<LevelError>& error = level.error;
    doc["ok"] = !error.has_value();
    doc["error"] = error ? Json{{"line", error->line}, {"reason", Cp1252ToUtf8(error->reason)}}
                         : Json(nullptr);
    Json walls = Json::array();
    for (const WallPlaced& w : level.walls)
        walls.push_back({{"x", w.x}, {"y", w.y}, {"kind", WallKindName(w.kind)}});
    doc["walls"] = std::move(walls);
    Json starts = Json::array();
    for (const auto& start : level.starts)
        if (start) starts.push_back({{"snake", start->snake}, {"x", start->x}, {"y", start->y}});
    doc["starts"] = std::move(starts);
    doc["LastStart"] = level.lastStart;
    Json spawnPoints = Json::array();
    for (const SpawnPointPlaced& s : level.spawnPoints)
        spawnPoints.push_back({{"x", s.x}, {"y", s.y}});
    doc["spawnPoints"] = std::move(spawnPoints);
    Json userItems = Json::array();
    for (const UserItemCell& cell : level.userItems)
        userItems.push_back({{"x", cell.x},
                             {"y", cell.y},
                             {"gfx", Cp1252ToUtf8(cell.gfx)},
                             {"hasGfx", cell.hasGfx},
                             {"decl", Cp1252ToUtf8(cell.decl)}});
    doc["userItems"] = std::move(userItems);
    Json keys = Json::object();
    for (LevelKey key : LevelKeys())
        if (const LevelValue* value = level.Key(key))
            keys[std::string(LevelKeyName(key))] = ValueJson(*value);
    doc["keys"] = std::move(keys);
    Json requiredFiles = Json::array();
    for (const std::string& name : level.requiredFiles)
        requiredFiles.push_back(Cp1252ToUtf8(name));
    doc["requiredFiles"] = std::move(requiredFiles);
    return doc;
}

void Print(const Json& doc, std::ostream& out) {
    out << doc.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace

int RunCheckLevel(const std::filesystem::path& file, const std::filesystem::path& gameDir,
                  std::ostream& out, ArchiveReaderFactory* archives) {
    const std::optional<std::string> bytes = ReadLevelBytes(file);
    if (!bytes) {
        LevelSummary nothing;
        nothing.error = LevelError{0, "the file cannot be read"};
        Print(Document(nothing), out);
        return 2;
    }
    const LevelReadResult result = ReadLevelText(*bytes);
    GfxLookup gfx(gameDir, archives);
    Print(Document(SummarizeLevel(result, gfx.Hooks())), out);
    return result.ok() ? 0 : 1;
}

}  // namespace zelkor
