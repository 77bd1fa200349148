#pragma once

#include <filesystem>

#include "common/archive_reader.h"
#include "common/archive_service.h"
#include "game/control/unextract.h"
#include "game/rules/game.h"

namespace zelkor {

// The game's archive service: ZkUnextractFile with the game folder, the new-install
// option, the debug flag and the progress counters of `game` bound. The headless
// runner uses it too, with the library readers and empty hooks, because a level's
// "Requires=" archives must be unpacked there as well.
class GameArchiveService final : public ArchiveService {
public:
    GameArchiveService(Game& game, std::filesystem::path gameFolder, ArchiveReaderFactory& readers,
                       UnextractHooks hooks = {});

    void Unextract(std::string_view archive, std::string_view destination,
                   std::string_view password) override;
    bool HoldsEntry(std::string_view archive, std::string_view password,
                    std::string_view name) override;

private:
    // The game path below the game folder, or nothing when it leads outside.
    std::optional<std::filesystem::path> InGameFolder(std::string_view gamePath) const;

    Game& game_;
    std::filesystem::path gameFolder_;
    ArchiveReaderFactory& readers_;
    UnextractHooks hooks_;
};

}  // namespace zelkor
