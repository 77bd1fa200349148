#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/archive_reader.h"
#include "common/archive_service.h"
#include "common/game_files.h"
#include "game/control/archives/unextract.h"
#include "game/rules/game.h"

namespace zelkor {

// The entry names of an archive named by a game path below the game folder, without
// extracting anything; empty when it is missing, unreadable or outside the folder.
std::vector<std::string> GameArchiveEntries(ArchiveReaderFactory& readers, const GameFiles& files,
                                            std::string_view archive, std::string_view password);

// Whether `names` (UTF-8, as archives store them) holds `name` (Windows-1252), either
// separator and any letter case counting as the same.
bool HoldsEntryName(const std::vector<std::string>& names, std::string_view name);

// The game's archive service: ZkUnextractFile with the game folder, the new-install
// option, the debug flag and the progress counters of `game` bound. The headless
// runner uses it too, with the library readers and empty hooks, because a level's
// "Requires=" archives must be unpacked there as well.
class GameArchiveService final : public ArchiveService {
public:
    GameArchiveService(Game& game, const GameFiles& files, ArchiveReaderFactory& readers,
                       UnextractHooks hooks = {});

    void Unextract(std::string_view archive, std::string_view destination,
                   std::string_view password) override;
    bool HoldsEntry(std::string_view archive, std::string_view password,
                    std::string_view name) override;

private:
    Game& game_;
    const GameFiles& files_;
    ArchiveReaderFactory& readers_;
    UnextractHooks hooks_;
};

}  // namespace zelkor
