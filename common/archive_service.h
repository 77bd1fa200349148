#pragma once

#include <string_view>

namespace zelkor {

// The archive calls of the loaders (level archives named by "Requires=", "gfx.zkr",
// "snd.zkr", model packs). Paths are game texts relative to the game folder, in
// Windows-1252 with either separator ("gfx.zkr", "\gfx\", "models\Blue.zmp") and
// found whatever the case of their letters. The game's own implementation binds the
// game folder, the options and the debug flag; the null one below does nothing.
class ArchiveService {
public:
    virtual ~ArchiveService() = default;

    // ZkUnextractFile: unpacks every entry of the archive into the destination
    // folder and rewrites the archive's clean-up list. Advances the unpack progress
    // counters the caller set.
    virtual void Unextract(std::string_view archive, std::string_view destination,
                           std::string_view password) = 0;
    // Whether the archive holds an entry of this name (either separator, any letter
    // case), without extracting anything.
    virtual bool HoldsEntry(std::string_view archive, std::string_view password,
                            std::string_view name) = 0;
};

// For tests of the loaders: unpacks nothing, holds nothing.
class NullArchiveService final : public ArchiveService {
public:
    void Unextract(std::string_view, std::string_view, std::string_view) override {}
    bool HoldsEntry(std::string_view, std::string_view, std::string_view) override { return false; }
};

}  // namespace zelkor
