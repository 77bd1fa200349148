#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "common/game_files.h"
#include "game/present/bitmap_rules.h"
#include "game/present/picture_buffer.h"
#include "game/present/picture_services.h"
#include "game/present/surface.h"
#include "game/rules/game.h"
#include "game/rules/one_based.h"

namespace zelkor {

// What loading pictures needs from the rest of the game: the start-up window, the
// archives and the boxes for missing pictures.
class PictureHost {
public:
    virtual ~PictureHost() = default;
    virtual void ConsolePrint(std::string_view text) = 0;
    // The start-up window's label, progress frame and bar (0..100).
    virtual void SetLoadingLabel(std::string_view text) = 0;
    virtual void ShowProgressFrame() = 0;
    virtual void SetProgress(double percent) = 0;
    // One more picture of the progress count; the bar follows it during start-up.
    virtual void CountLoadedPicture() = 0;
    // The progress count starts again from 0.
    virtual void ResetPictureCount() = 0;
    virtual void SetProgressTotal(int total) = 0;
    virtual void Unextract(std::string_view archive, std::string_view destination,
                           std::string_view password) = 0;
    // A fixed picture could not be loaded at start-up: the Yes/No box. Yes goes on
    // without it; No quits the game (and this returns false).
    virtual bool ContinueWithoutPicture(std::string_view title, std::string_view text) = 0;
    // Shows the start-up window as it stands now (label, console, progress).
    virtual void ShowStartupWindow() = 0;
    // A picture met during play has another size than the game asks for: `line`
    // names it with both sizes; `firstTime` is false when the same file was told before.
    virtual void PictureOfWrongSize(std::string_view line, bool firstTime) = 0;
};

// The fixed pictures, in the order they are loaded at start-up.
enum class Fixed : std::uint8_t {
    BrikV,
    BrikH,
    BrikHT,
    BrikHB,
    BrikVL,
    BrikVR,
    Brik,
    Pause,
    Background,
    HitWall,
    GameOver,
    Statistics,
    MenuBkg,
    ExitH,
    ExitN,
    HiScoreH,
    HiScoreN,
    NewGameH,
    NewGameN,
    OptionsH,
    OptionsN,
    LedYellow,
    LedRed,
    LedBlue,
    LedGreen,
    OptionsBkg,
    HallOfFameBkg,
    LevelsH,
    LevelsN,
    LevelsBkg,
    Dm,
    DmRed,
    DmBlue,
    Font1,
    Font2,
    Font3,
    Font4,
    Font5,
    Font6,
    kCount
};

inline constexpr int kModelSlots = 29;

// Every picture of the game: the fixed pictures, the snake models' sprites and the
// picture buffer that loads item and user-item pictures on first use.
class PictureStore {
public:
    PictureStore(const GameFiles& gameFiles, PictureFiles& files, PictureHost& host);

    const GameFiles& gameFiles() const { return gameFiles_; }
    PictureFiles& files() { return files_; }

    const Surface& fixed(Fixed which) const { return fixed_[static_cast<std::size_t>(which)]; }
    // Font 1..6 (nothing outside).
    const Surface* font(int index) const;
    const Surface& sprite(int model, int slot) const;

    // `DD_CreateSurfFromFile`: loads `path` (a game path: the game folder, then a
    // backslash path) as a picture of width x height with the key mode's
    // transparent colour. A picture that is missing, cannot be decoded or has
    // another size leaves `surface` empty and is reported as the game reports it.
    void DD_CreateSurfFromFile(const Game& game, const std::string& path, Surface& surface,
                               int width, int height, int keyMode, bool modelSprite, bool count);
    // `DD_CreateGraphicsFromFile`: unpacks "gfx.zkr" at the first start, loads the
    // fixed pictures in their order, then the model packs, which it returns; nothing
    // when the player chose to quit rather than go on without a picture.
    std::optional<ModelList> DD_CreateGraphicsFromFile(const Game& game);
    // `DD_LoadModelSprites`: the sprite slots of model number `model` that its pack's
    // flags call for.
    void DD_LoadModelSprites(const Game& game, int model, const ModelPack& pack);
    // Model `to` is drawn with the sprites of model `from`.
    void CopyModelSprites(int from, int to);
    // The level's own background (the path set by the level loader).
    void LoadBackground(const Game& game);

    // `DD_DrawPic`: draws the part of "\gfx\" + name to `target`, loading it into the
    // picture buffer on first use with the key mode.
    void DD_DrawPic(const Game& game, Surface& target, std::string_view name, Rect from, int x,
                    int y, int keyMode, bool keyed);
    // The buffer entry that holds "\gfx\" + name, loading it first if needed; 0
    // when it could not be loaded.
    int PicEntry(const Game& game, std::string_view name, int keyMode);
    const Surface& entry(int index) const { return buffer_.surface(index); }
    const std::string& entryPath(int index) const { return buffer_.path(index); }

    // `ZkLoadPic`: loads a picture into a free entry and returns its number. A
    // picture that is not found is kept for TakeMissingPicture (the game ends with
    // "unable to find " + path), and nothing more is loaded.
    int ZkLoadPic(const Game& game, const std::string& path, int keyMode);
    // The entry 1..1024 holding exactly this path, or 0.
    int DD_FindPic(std::string_view path) const { return buffer_.Find(path); }
    int DD_PicWidth(const std::string& path) const;
    int DD_PicHeight(const std::string& path) const;

    // The first picture by name that could not be loaded, once.
    std::optional<std::string> TakeMissingPicture() { return std::exchange(missing_, {}); }

    // `PrepareLvlGfx` and `PrepareUserItemGfx`: load what the level will draw.
    void PrepareLvlGfx(const Game& game);
    void PrepareUserItemGfx(const Game& game);

private:
    void LoadFixed(const Game& game, Fixed which, const std::string& path);
    std::string GfxPath(std::string_view name) const;

    const GameFiles& gameFiles_;
    const std::string& gameFolder_;  // the game folder as the game writes paths
    PictureFiles& files_;
    PictureHost& host_;

    std::array<Surface, static_cast<std::size_t>(Fixed::kCount)> fixed_;
    std::array<std::array<Surface, kModelSlots>, kMaxModels> sprites_;
    PictureBuffer buffer_;
    std::string scratch_;  // the path of a draw by name, kept to avoid allocating per draw
    bool quitting_ = false;
    std::optional<std::string> missing_;
    std::set<std::string> toldWrongSize_;
    bool loadingByName_ = false;
};

}  // namespace zelkor
