#include "game/present/pictures.h"

#include <algorithm>

#include "common/regular_file.h"
#include "game/present/model_packs.h"

namespace zelkor {
namespace {

struct FixedFile {
    const char* path;  // below the game folder
    int width;
    int height;
    int keyMode;
};

// The fixed pictures in their loading order; the background's path comes from the level.
constexpr std::array<FixedFile, static_cast<std::size_t>(Fixed::kCount)> kFixedFiles{{
    {"\\gfx\\brik_v.bmp", 20, 20, 0},
    {"\\gfx\\brik_h.bmp", 20, 20, 0},
    {"\\gfx\\brik_h_t.bmp", 20, 20, 0},
    {"\\gfx\\brik_h_b.bmp", 20, 20, 0},
    {"\\gfx\\brik_v_l.bmp", 20, 20, 0},
    {"\\gfx\\brik_v_r.bmp", 20, 20, 0},
    {"\\gfx\\brik.bmp", 20, 20, 0},
    {"\\gfx\\pause.bmp", 174, 44, 0},
    {nullptr, 640, 480, 0},
    {"\\gfx\\hitwall.bmp", 203, 24, 0},
    {"\\gfx\\gover.bmp", 174, 44, 0},
    {"\\gfx\\statistics.bmp", 315, 201, 0},
    {"\\gfx\\menu\\bkg.bmp", 640, 480, 0},
    {"\\gfx\\menu\\Exit_h.bmp", 250, 30, 0},
    {"\\gfx\\menu\\Exit_n.bmp", 250, 30, 0},
    {"\\gfx\\menu\\HiScore_h.bmp", 250, 30, 0},
    {"\\gfx\\menu\\HiScore_n.bmp", 250, 30, 0},
    {"\\gfx\\menu\\NewGame_h.bmp", 250, 30, 0},
    {"\\gfx\\menu\\NewGame_n.bmp", 250, 30, 0},
    {"\\gfx\\menu\\Options_h.bmp", 250, 30, 0},
    {"\\gfx\\menu\\Options_n.bmp", 250, 30, 0},
    {"\\gfx\\LED_Yellow.bmp", 6, 5, 0},
    {"\\gfx\\LED_Red.bmp", 6, 5, 0},
    {"\\gfx\\LED_Blue.bmp", 6, 5, 0},
    {"\\gfx\\LED_Green.bmp", 6, 5, 0},
    {"\\gfx\\menu\\bkg_o.bmp", 640, 480, 0},
    {"\\gfx\\menu\\bkg_hs.bmp", 640, 480, 0},
    {"\\gfx\\menu\\Levels_h.bmp", 250, 30, 0},
    {"\\gfx\\menu\\Levels_n.bmp", 250, 30, 0},
    {"\\gfx\\menu\\bkg_lv.bmp", 640, 480, 0},
    {"\\gfx\\dm.bmp", 54, 21, 3},
    {"\\gfx\\dm_red.bmp", 250, 70, 3},
    {"\\gfx\\dm_blue.bmp", 250, 70, 3},
    {"\\gfx\\fonts\\fnt_cour_8.bmp", 499, 56, 3},
    {"\\gfx\\fonts\\fnt_cour_11.bmp", 499, 66, 3},
    {"\\gfx\\fonts\\fnt_bl_16.bmp", 439, 133, 3},
    {"\\gfx\\fonts\\fnt_sys_8.bmp", 499, 60, 3},
    {"\\gfx\\fonts\\fnt_DM_16.bmp", 439, 133, 3},
    {"\\gfx\\fonts\\fnt_cour_16.bmp", 439, 140, 3},
}};

struct SpriteFile {
    int slot;
    const char* file;
};

// A model's sprites in their loading order, with the flag group each belongs to.
constexpr std::array<SpriteFile, 12> kAlwaysSprites{{{0, "\\head_forw.bmp"},
                                                     {1, "\\head_back.bmp"},
                                                     {2, "\\head_left.bmp"},
                                                     {3, "\\head_right.bmp"},
                                                     {4, "\\Snake_forw.bmp"},
                                                     {5, "\\Snake_back.bmp"},
                                                     {6, "\\Snake_left.bmp"},
                                                     {7, "\\Snake_right.bmp"},
                                                     {19, "\\tail_right.bmp"},
                                                     {18, "\\tail_left.bmp"},
                                                     {16, "\\tail_forw.bmp"},
                                                     {17, "\\tail_back.bmp"}}};
constexpr std::array<SpriteFile, 4> kEdgeSprites{{{9, "\\Snake_b_r.bmp"},
                                                  {11, "\\Snake_f_r.bmp"},
                                                  {8, "\\Snake_b_l.bmp"},
                                                  {10, "\\Snake_f_l.bmp"}}};
constexpr std::array<SpriteFile, 4> kInverseEdgeSprites{{{13, "\\Snake_b_r_i.bmp"},
                                                         {15, "\\Snake_f_r_i.bmp"},
                                                         {12, "\\Snake_b_l_i.bmp"},
                                                         {14, "\\Snake_f_l_i.bmp"}}};
constexpr std::array<SpriteFile, 8> kTailEdgeSprites{{{21, "\\Tail_b_r.bmp"},
                                                      {23, "\\Tail_f_r.bmp"},
                                                      {20, "\\Tail_b_l.bmp"},
                                                      {22, "\\Tail_f_l.bmp"},
                                                      {26, "\\Tail_l_b.bmp"},
                                                      {25, "\\Tail_r_f.bmp"},
                                                      {24, "\\Tail_f_l_2.bmp"},
                                                      {27, "\\Tail_b_r_2.bmp"}}};
constexpr SpriteFile kStartSprite{28, "\\start.bmp"};

constexpr const char* kCreateSurfTitle = "module 'DD_CreateSurfFromFile': >file/IO error<";

}  // namespace

PictureStore::PictureStore(const GameFiles& gameFiles, PictureFiles& files, PictureHost& host)
    : gameFiles_(gameFiles), gameFolder_(gameFiles.prefix()), files_(files), host_(host) {
    scratch_.reserve(gameFolder_.size() + 300);
}

const Surface* PictureStore::font(int index) const {
    if (index < 1 || index > 6) return nullptr;
    return &fixed(static_cast<Fixed>(static_cast<int>(Fixed::Font1) + index - 1));
}

const Surface& PictureStore::sprite(int model, int slot) const {
    static const Surface kNone;
    if (model < 0 || model >= kMaxModels || slot < 0 || slot >= kModelSlots) return kNone;
    return sprites_[static_cast<std::size_t>(model)][static_cast<std::size_t>(slot)];
}

std::string PictureStore::GfxPath(std::string_view name) const {
    return gameFolder_ + "\\gfx\\" + std::string(name);
}

void PictureStore::DD_CreateSurfFromFile(const Game& game, const std::string& path,
                                         Surface& surface, int width, int height, int keyMode,
                                         bool modelSprite, bool count) {
    surface.Release();
    const std::filesystem::path file = gameFiles_.File(path);
    std::error_code error;
    const bool found = std::filesystem::is_regular_file(file, error);
    std::optional<Surface> picture;
    if (found) picture = files_.Decode(file);
    // A picture of another size than asked for counts as a damaged one.
    const bool ok = picture && picture->width() == width && picture->height() == height;
    std::string_view shown = path;
    if (shown.substr(0, gameFolder_.size()) == gameFolder_) shown.remove_prefix(gameFolder_.size());
    if (game.run.debug)
        host_.ConsolePrint("DD_CreateSurfFromFile: processing " + std::string(shown));
    // During play there is no box to ask in: the player learns why the picture is missing.
    if (picture && !ok && game.flags.displayReady) {
        const bool firstTime = toldWrongSize_.insert(path).second;
        host_.PictureOfWrongSize("Picture " + std::string(shown) + " is " +
                                     std::to_string(picture->width()) + " x " +
                                     std::to_string(picture->height()) + ", the game needs " +
                                     std::to_string(width) + " x " + std::to_string(height),
                                 firstTime);
    }
    if (ok) {
        surface = std::move(*picture);
        ApplyColourKey(surface, keyMode);
    }
    if (count) host_.CountLoadedPicture();
    // A picture drawn by name reports its own failure.
    if (ok || game.flags.displayReady || loadingByName_) return;
    if (modelSprite) {
        host_.ConsolePrint("Could not load model " + path);
        return;
    }
    const std::string reason = found ? "481: Invalid picture" : "53: File not found";
    const std::string text =
        "Could not open '" + path + "' Zelkor will not work properly!\r\n(" + reason +
        ")\r\n\r\nTry to reinstall Zelkor.\r\nTo continue anyways choose yes...";
    if (!host_.ContinueWithoutPicture(kCreateSurfTitle, text)) quitting_ = true;
}

void PictureStore::LoadFixed(const Game& game, Fixed which, const std::string& path) {
    const FixedFile& f = kFixedFiles[static_cast<std::size_t>(which)];
    DD_CreateSurfFromFile(game, path, fixed_[static_cast<std::size_t>(which)], f.width, f.height,
                          f.keyMode, false, false);
}

std::optional<ModelList> PictureStore::DD_CreateGraphicsFromFile(const Game& game) {
    host_.SetLoadingLabel("Decompressing Textures...");
    host_.ShowStartupWindow();
    if (game.run.debug)
        host_.ConsolePrint("DD_CreateGraphicsFromFile: decompressing files from gfx.zkr");
    if (!game.flags.displayReady) host_.Unextract("gfx.zkr", "\\", kArchivePassword);
    host_.ShowProgressFrame();
    host_.SetLoadingLabel("Loading GFx...");
    host_.ResetPictureCount();
    host_.ShowStartupWindow();

    for (std::size_t i = 0; i < kFixedFiles.size() && !quitting_; ++i) {
        const auto which = static_cast<Fixed>(i);
        const std::string path = which == Fixed::Background ? gameFolder_ + game.level.BkgPic
                                                            : gameFolder_ + kFixedFiles[i].path;
        LoadFixed(game, which, path);
    }
    if (quitting_) return std::nullopt;
    return ZkGetModelPacks(game, *this, host_);
}

void PictureStore::LoadBackground(const Game& game) {
    LoadFixed(game, Fixed::Background, gameFolder_ + game.level.BkgPic);
}

void PictureStore::DD_LoadModelSprites(const Game& game, int model, const ModelPack& pack) {
    if (model < 0 || model >= kMaxModels) return;
    auto& sprites = sprites_[static_cast<std::size_t>(model)];
    for (Surface& s : sprites)
        s.Release();
    const auto load = [&](const SpriteFile& f) {
        DD_CreateSurfFromFile(game, gameFolder_ + "\\gfx\\" + pack.folder + f.file,
                              sprites[static_cast<std::size_t>(f.slot)], 20, 20, 0, true, true);
    };
    for (const SpriteFile& f : kAlwaysSprites)
        load(f);
    if (pack.edges) {
        for (const SpriteFile& f : kEdgeSprites)
            load(f);
        if (pack.edgesInvers) {
            for (const SpriteFile& f : kInverseEdgeSprites)
                load(f);
        }
    }
    if (pack.tailEdges) {
        for (const SpriteFile& f : kTailEdgeSprites)
            load(f);
    }
    load(kStartSprite);
}

void PictureStore::CopyModelSprites(int from, int to) {
    if (from < 0 || from >= kMaxModels || to < 0 || to >= kMaxModels) return;
    sprites_[static_cast<std::size_t>(to)] = sprites_[static_cast<std::size_t>(from)];
}

int PictureStore::DD_PicWidth(const std::string& path) const {
    const auto size = BitmapSize(ReadFileStart(gameFiles_.File(path), 26));
    return size ? (*size)[0] : 0;
}

int PictureStore::DD_PicHeight(const std::string& path) const {
    const auto size = BitmapSize(ReadFileStart(gameFiles_.File(path), 26));
    return size ? (*size)[1] : 0;
}

int PictureStore::ZkLoadPic(const Game& game, const std::string& path, int keyMode) {
    const int entry = buffer_.FindFreeSlot();
    buffer_.Claim(entry, path);
    Surface& surface = buffer_.surface(entry);
    loadingByName_ = true;
    DD_CreateSurfFromFile(game, path, surface, DD_PicWidth(path), DD_PicHeight(path), keyMode,
                          false, false);
    loadingByName_ = false;
    if (game.run.debug) {
        const std::size_t cut = path.find_last_of('\\');
        host_.ConsolePrint("ZkLoadPic: Loading " +
                           (cut == std::string::npos ? path : path.substr(cut + 1)) +
                           " to buffer " + std::to_string(entry) + ".");
    }
    if (surface.empty() && !quitting_) {
        quitting_ = true;
        missing_ = path;
    }
    return entry;
}

int PictureStore::PicEntry(const Game& game, std::string_view name, int keyMode) {
    scratch_.assign(gameFolder_);
    scratch_ += "\\gfx\\";
    scratch_ += name;
    const int found = DD_FindPic(scratch_);
    if (found != 0) return found;
    return ZkLoadPic(game, scratch_, keyMode);
}

void PictureStore::DD_DrawPic(const Game& game, Surface& target, std::string_view name, Rect from,
                              int x, int y, int keyMode, bool keyed) {
    const int entry = PicEntry(game, name, keyMode);
    Blit(target, x, y, buffer_.surface(entry), from, keyed);
}

void PictureStore::PrepareLvlGfx(const Game& game) {
    host_.SetLoadingLabel("Buffering...");
    host_.ShowProgressFrame();
    using U = LevelSettings::UsesGfx;
    const auto& uses = game.level.usesGfx;
    struct Kind {
        const char* folder;
        const char* label;
        int keyMode;
        bool used;
    };
    const std::array<Kind, 6> kinds{{{"Yellow_animated\\", " Yellow(", 1, true},
                                     {"black_animated\\", " Black(", 1, uses[U::BlackItems]},
                                     {"blue_animated\\", " Blue(", 1, uses[U::BlueItems]},
                                     {"red_animated\\", " Red(", 1, uses[U::RedItems]},
                                     {"tnt_animated\\", " TNT(", 2, uses[U::TntItems]},
                                     {"atomic_animated\\", " Atomic(", 1, uses[U::PowerItems]}}};
    if (game.options.animatedItems) {
        for (int f = 1; f <= 45 && !quitting_; ++f) {
            std::string log = "PrepareLvlGfx: Loading Texture ";
            for (const Kind& k : kinds) {
                if (!k.used) continue;
                PicEntry(game, k.folder + std::to_string(f) + ".bmp", k.keyMode);
                log += k.label + std::to_string(f) + "); ";
            }
            host_.SetProgress(f * 100.0 / 45);
            if (game.run.debug) host_.ConsolePrint(log);
            host_.ShowStartupWindow();
        }
    }
    host_.SetLoadingLabel("PrepareLvlGfx: Loading 2D Items...");
    for (const char* name :
         {"banana.bmp", "black_banana.bmp", "blue_banana.bmp", "red_banana.bmp", "TNT.bmp"}) {
        if (quitting_) break;
        PicEntry(game, name, 0);
    }
}

void PictureStore::PrepareUserItemGfx(const Game& game) {
    const World& world = game.world;
    if (world.userItemCount <= 0) return;
    host_.SetLoadingLabel("Loading UserItems...");
    for (int i = 1; i <= std::min<int>(world.userItemCount, kMaxUserItemCells) && !quitting_; ++i) {
        const UserItemCell& cell = world.UserItemCells[i];
        // A letter that no "set:" gave a picture has nothing to load.
        if (!cell.hasGfx) continue;
        if (cell.decl.rfind("wall", 0) == 0 && DD_FindPic(GfxPath(cell.gfx)) == 0) {
            PicEntry(game, cell.gfx, 0);
            if (game.run.debug) host_.ConsolePrint("Preloading UserItem (" + cell.gfx + ")");
        }
        if (cell.decl.rfind("ani_wall", 0) == 0 && DD_FindPic(GfxPath(cell.gfx + "\\1.bmp")) == 0) {
            for (int f = 1; f <= 45 && !quitting_; ++f) {
                const std::string frame = cell.gfx + "\\" + std::to_string(f) + ".bmp";
                PicEntry(game, frame, 1);
                if (game.run.debug) host_.ConsolePrint("Preloading UserItem (" + frame + ")");
                host_.SetProgress(f * 100.0 / 45);
            }
        }
    }
}

}  // namespace zelkor
