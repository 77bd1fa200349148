#include "game/control/check_level.h"

#include <algorithm>
#include <array>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "common/level_reader.h"
#include "common/paths.h"
#include "common/text_encoding.h"
#include "game/control/archive_service.h"
#include "game/control/quit.h"
#include "game/rules/game.h"

namespace zelkor {
namespace {

using Json = nlohmann::ordered_json;

// A user-item cell as the loader keeps it, with "let:" and "set:" applied.
struct UserItemState {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::string gfx;  // the letter, or the graphics name after a "set:"
    bool hasGfx = false;
    std::string decl;
};

// A "Requires=" name the level loader unpacks: one ending in ".zkr", any letter case.
bool IsLevelArchiveName(std::string_view name) {
    return name.size() >= 4 && SameIgnoringCase(name.substr(name.size() - 4), ".zkr");
}

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

// Follows the effects in file order as the loader does, keeping what the document
// shows.
class LevelSummary {
public:
    LevelSummary(const std::filesystem::path& gameDir, ArchiveReaderFactory* archives)
        : gameDir_(gameDir), archives_(archives) {}

    void operator()(const WallPlaced& e) {
        walls_.push_back({{"x", e.x}, {"y", e.y}, {"kind", WallKindName(e.kind)}});
    }
    void operator()(const StartPlaced& e) {
        starts_[e.snake] = {e.x, e.y};
        lastStart_ = e.snake;
    }
    void operator()(const SpawnPointPlaced& e) { spawnPoints_.push_back({{"x", e.x}, {"y", e.y}}); }
    void operator()(const UserItemCellPlaced& e) {
        userItems_.push_back({e.x, e.y, std::string(1, e.letter), false, {}});
    }
    void operator()(const KeyRead& e) {
        if (e.key == LevelKey::Requires) {
            requiredFiles_.push_back(ValueJson(e.value));
            const auto* name = std::get_if<std::string>(&e.value);
            if (archives_ && name && IsLevelArchiveName(*name))
                requiredArchives_.push_back(
                    GameArchiveEntries(*archives_, gameDir_, *name, kArchivePassword));
        } else
            keys_[static_cast<std::size_t>(e.key)] = e.value;
    }
    void operator()(const UserItemTypeRead& e) {
        for (UserItemState& cell : userItems_)
            if (AnswersTo(cell, e.letter)) cell.decl = e.type;
    }
    void operator()(const UserItemGfxRead& e) {
        // The loader's test: the file-exists test on the game folder's "\gfx\" + name.
        if (!FileExists(gameDir_, "\\gfx\\" + e.name) && !InRequiredArchive(e.name)) return;
        for (UserItemState& cell : userItems_) {
            if (!AnswersTo(cell, e.letter)) continue;
            cell.gfx = e.name;
            cell.hasGfx = true;
        }
    }

    Json Document(const std::optional<LevelError>& error) const {
        Json doc;
        doc["ok"] = !error.has_value();
        doc["error"] = error ? Json{{"line", error->line}, {"reason", Cp1252ToUtf8(error->reason)}}
                             : Json(nullptr);
        doc["walls"] = walls_;
        Json starts = Json::array();
        for (const auto& [snake, at] : starts_)
            starts.push_back({{"snake", snake}, {"x", at.first}, {"y", at.second}});
        doc["starts"] = std::move(starts);
        doc["LastStart"] = lastStart_;
        doc["spawnPoints"] = spawnPoints_;
        Json userItems = Json::array();
        for (const UserItemState& cell : userItems_)
            userItems.push_back({{"x", cell.x},
                                 {"y", cell.y},
                                 {"gfx", Cp1252ToUtf8(cell.gfx)},
                                 {"hasGfx", cell.hasGfx},
                                 {"decl", Cp1252ToUtf8(cell.decl)}});
        doc["userItems"] = std::move(userItems);
        Json keys = Json::object();
        for (LevelKey key : LevelKeys())
            if (const auto& value = keys_[static_cast<std::size_t>(key)])
                keys[std::string(LevelKeyName(key))] = ValueJson(*value);
        doc["keys"] = std::move(keys);
        doc["requiredFiles"] = requiredFiles_;
        return doc;
    }

private:
    bool InRequiredArchive(std::string_view name) const {
        return std::any_of(requiredArchives_.begin(), requiredArchives_.end(),
                           [&](const auto& names) { return HoldsEntryName(names, name); });
    }
    static bool AnswersTo(const UserItemState& cell, char letter) {
        return cell.gfx.size() == 1 && cell.gfx[0] == letter;
    }

    std::filesystem::path gameDir_;
    ArchiveReaderFactory* archives_;
    std::vector<std::vector<std::string>> requiredArchives_;  // entry names, archive by archive
    Json walls_ = Json::array();
    std::map<int, std::pair<std::int16_t, std::int16_t>> starts_;
    int lastStart_ = 0;
    Json spawnPoints_ = Json::array();
    std::vector<UserItemState> userItems_;
    std::array<std::optional<LevelValue>, kLevelKeyCount> keys_{};
    Json requiredFiles_ = Json::array();
};

void Print(const Json& doc, std::ostream& out) {
    out << doc.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace

int RunCheckLevel(const std::filesystem::path& file, const std::filesystem::path& gameDir,
                  std::ostream& out, ArchiveReaderFactory* archives) {
    LevelSummary summary(gameDir, archives);
    const std::optional<std::string> bytes = ReadLevelBytes(file);
    if (!bytes) {
        Print(summary.Document(LevelError{0, "the file cannot be read"}), out);
        return 2;
    }
    const LevelReadResult result = ReadLevelText(*bytes);
    for (const LevelEffect& effect : result.effects)
        std::visit(summary, effect);
    Print(summary.Document(result.error), out);
    return result.ok() ? 0 : 1;
}

}  // namespace zelkor
