// Feeds arbitrary bytes to the level reader and checks what it promises: no crash,
// no table beyond its capacity, grid cells only on grid rows, and failures that
// name a line of the file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/level_reader.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

using zelkor::fuzzing::Require;

bool OnGridRow(std::int16_t y, int offset) {
    return y >= zelkor::kCellSize - offset && y <= zelkor::kGridRows * zelkor::kCellSize - offset &&
           (y + offset) % zelkor::kCellSize == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zelkor;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const LevelReadResult result = ReadLevelText(bytes);

    int walls = 0, spawnPoints = 0, cells = 0, required = 0;
    for (const LevelEffect& effect : result.effects) {
        if (const auto* wall = std::get_if<WallPlaced>(&effect)) {
            ++walls;
            Require(OnGridRow(wall->y, 0) && wall->x > 0 && wall->x % kCellSize == 0);
        } else if (const auto* start = std::get_if<StartPlaced>(&effect)) {
            Require(start->snake >= 1 && start->snake <= 16 && OnGridRow(start->y, 10));
        } else if (const auto* spawn = std::get_if<SpawnPointPlaced>(&effect)) {
            ++spawnPoints;
            Require(OnGridRow(spawn->y, 10));
        } else if (const auto* cell = std::get_if<UserItemCellPlaced>(&effect)) {
            ++cells;
            Require(OnGridRow(cell->y, 0) && cell->letter >= 'A' && cell->letter <= 'Z');
        } else if (const auto* key = std::get_if<KeyRead>(&effect)) {
            if (key->key == LevelKey::Requires) ++required;
            Require(LevelKeyType(key->key) != LevelValueType::UserItem);
        } else if (const auto* type = std::get_if<UserItemTypeRead>(&effect)) {
            Require(!type->type.empty());
        } else if (const auto* gfx = std::get_if<UserItemGfxRead>(&effect)) {
            Require(!gfx->name.empty());
        }
    }
    Require(walls <= kMaxWallPieces && spawnPoints <= kMaxSpawnPoints &&
            cells <= kMaxUserItemCells && required <= kMaxRequiredFiles);
    if (result.error) Require(result.error->line >= 1 && !result.error->reason.empty());

    // The three line ends read the same.
    if (bytes.find('\r') == std::string_view::npos) {
        std::string crlf;
        for (char c : bytes)
            crlf += c == '\n' ? std::string_view("\r\n") : std::string_view(&c, 1);
        const LevelReadResult again = ReadLevelText(crlf);
        Require(again.effects == result.effects && again.error == result.error);
    }
    return 0;
}
