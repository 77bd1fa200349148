#include "common/level_summary.h"

#include <type_traits>
#include <variant>

namespace zelkor {
namespace {

class Summarizer {
public:
    Summarizer(LevelSummary& out, const LevelSummaryHooks& hooks) : out_(out), hooks_(hooks) {}

    void operator()(const WallPlaced& e) { out_.walls.push_back(e); }
    void operator()(const StartPlaced& e) {
        out_.starts[static_cast<std::size_t>(e.snake - 1)] = e;
        out_.lastStart = e.snake;
    }
    void operator()(const SpawnPointPlaced& e) { out_.spawnPoints.push_back(e); }
    void operator()(const UserItemCellPlaced& e) { out_.userItems.push_back(NewUserItemCell(e)); }
    void operator()(const KeyRead& e) {
        if (e.key != LevelKey::Requires) {
            out_.keys[static_cast<std::size_t>(e.key)] = e.value;
            return;
        }
        const auto* name = std::get_if<std::string>(&e.value);
        if (!name) return;
        out_.requiredFiles.push_back(*name);
        if (hooks_.requiredFile) hooks_.requiredFile(*name);
    }
    void operator()(const UserItemTypeRead& e) { DeclareUserItems(out_.userItems, e); }
    void operator()(const UserItemGfxRead& e) {
        if (hooks_.gfxExists && !hooks_.gfxExists(e.name)) return;
        SetUserItemGfx(out_.userItems, e);
    }

private:
    LevelSummary& out_;
    const LevelSummaryHooks& hooks_;
};

}  // namespace

const LevelValue* LevelSummary::Key(LevelKey key) const {
    const auto& value = keys[static_cast<std::size_t>(key)];
    return value ? &*value : nullptr;
}

double LevelSummary::Number(LevelKey key, double fallback) const {
    const LevelValue* value = Key(key);
    if (!value) return fallback;
    return std::visit(
        [&](const auto& v) -> double {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, std::string>)
                return fallback;
            else
                return static_cast<double>(v);
        },
        *value);
}

int LevelSummary::StartCount() const {
    int count = 0;
    for (const auto& start : starts)
        count += start.has_value();
    return count;
}

LevelSummary SummarizeLevel(const LevelReadResult& read, const LevelSummaryHooks& hooks) {
    LevelSummary summary;
    Summarizer summarizer(summary, hooks);
    for (const LevelEffect& effect : read.effects)
        std::visit(summarizer, effect);
    summary.error = read.error;
    return summary;
}

}  // namespace zelkor
