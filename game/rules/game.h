#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/level_format.h"
#include "game/rules/clock.h"
#include "game/rules/key_bindings.h"
#include "game/rules/occupancy.h"
#include "game/rules/one_based.h"
#include "game/rules/random.h"
#include "game/rules/sound_state.h"
#include "game/rules/timers.h"
#include "game/rules/world.h"

namespace zelkor {

inline constexpr const char* kGameVersion = "1.0.0";
inline constexpr int kMaxAINames = 99;
inline constexpr const char* kArchivePassword = "kt90472";
// The background of a level that names none.
inline constexpr std::string_view kStandardBackground = "\\gfx\\bkg_standart.bmp";

// The level's settings: what "ResetLevel" restores and the level file changes.
struct LevelSettings {
    std::string LevelFile;
    std::string LevelName;      // kept from the previous level
    std::string NextLevelPath;  // cleared by the level reset (a level without one is the last)
    double TimeLimit = 0;
    double ReqYellow = 0, ReqRed = 0, ReqBlue = 0, ReqBlack = 0;
    std::int16_t ReqScore = 0;
    double blueRate = 40;
    std::int16_t powerRate = 200;
    bool HideCollected = false;
    bool hasOpenWalls = false;
    std::string BkgPic{kStandardBackground};
    std::string MusicFile;  // kept from the previous level
    OneBased<std::string, kMaxRequiredFiles> RequiredFiles;

    // Which graphics the level uses, in this order.
    enum UsesGfx {
        VerticalWalls,
        HorizontalWalls,
        SingleBricks,
        RedItems,
        BlueItems,
        BlackItems,
        TntItems,
        PowerItems,
        OpenWalls,
        kUsesGfxCount
    };
    std::array<bool, kUsesGfxCount> usesGfx{};
    bool UserItemGfx = false;

    bool SpeedUp = false;    // "increase=" / option "IncSpeed"
    double SpeedStep = 0.5;  // "incrBy=" / option "Speed"
    double maxSpd = 20;      // "maxSpd=" / option "MaxSpeed"
    double minSpd = 250;     // "minSpd=" / option "MinSpeed"
    std::string InfoText = "Welcome to Zelkor";
    std::int16_t LastStart = 0;
};

// The stored options that are not level values.
struct Options {
    std::int16_t globalSpeed = 100;  // "gSpeed"
    bool noSpeedReset = false;       // "RsetSpeed"
    bool quickTurns = true;          // a second arrow within one step is kept
    bool showFPS = true;
    bool animatedItems = true;  // "3D Items"
    bool sndEnabled = true;
    bool kiSndEnabled = true;
    bool musicEnabled = true;
    std::int16_t musicVolume = 30;
    bool noCleanUp = false;
    bool newInstall = true;
    KeyBindings keys;  // the "Keys" section
};

// What the command line set for the whole run.
struct RunValues {
    std::string gameMode;  // "DM" in deathmatch, otherwise empty
    bool huntingMode = false;
    std::int16_t limit = 0;
    bool aisOn = false;           // computer snakes on
    std::int16_t snakeCount = 1;  // snakes in play, the player's included
    double cmdAIS = 0;            // the "/AIS=" value, kept for every level load
    bool aisGiven = false;
    std::string keyMap = "US";
    std::string cmdLevel;
    std::string cmdLevelPath;
    bool levelGiven = false;
    bool debug = false;
    std::string credits;

    bool Deathmatch() const { return gameMode == "DM" || gameMode == "NDM"; }
};

// The loop and screen flags through which screens, keys and rules steer the main loop.
// The loop state, in four parts by job. The parts are bases so that every flag keeps
// its one name (`game.flags.menuShown`), as the dump shows it; a routine that needs
// only one part can take that part.

// Which screen is up, and whether the program runs at all.
struct ScreenShown {
    bool running = false;
    bool ending = false;  // the program is ending: every loop returns at once
    bool menuShown = false;
    bool stopped = false;
    bool infoScreen = false;
    bool infoShown = false;
    bool displayReady = false;
    bool Pause = false;
};

// The death sequence and the boxes that wait for a key.
struct DeathSequence {
    bool wallHitWait = false;
    bool deathSuppression = false;
    bool immortal = false;
    bool timeLimitHit = false;
    bool lifeLostBox = false;    // the player's life-lost box waits for Enter
    bool waitingForKey = false;  // a key wait of the death or level sequence runs
    bool skipDeath = false;      // Escape or a focus regain ends that wait
};

// What the frame shows besides the playfield: name tags, statistics, and which snakes
// the atomic-power blink leaves visible.
struct HudToggles {
    bool nameTags = false;
    bool statistics = false;
    bool deathDetails = false;
    bool blink = false;
    // Which snakes the last snake-drawing pass shows (the atomic-power blink and the
    // frozen cut-off decide it); a screen draws from this, the rules never read it.
    OneBased<bool, kMaxSnakes> snakeShown;
};

// The clocks and counters the window timers and the frames move on.
struct LoopTiming {
    bool clockRunning = false;
    bool speedTick = false;
    bool messageScroll = false;
    std::int16_t scrollCounter = 0;
    std::int16_t levelClock = 0;
    std::int64_t frameCount = 0;
    std::int16_t FPS = 0;
    double speedIncrease = 0;  // the speed increase so far
    int speedTickCount = 0;    // tmr1 firings since the last speed tick
    // The step interval before the last speed change of a red or blue item.
    std::int16_t savedInterval = 0;
    std::int16_t animFrame = 1;     // 1..45
    std::int16_t lightCounter = 0;  // 0..4
};

struct LoopFlags : ScreenShown, DeathSequence, HudToggles, LoopTiming {};

// Status lines the menu pages show beside their help texts.
inline constexpr std::string_view kHallOfFameTitle = "Zelkor 'The Hall Of Fame' (High Scores)";
inline constexpr std::string_view kNotInDeathmatch = "Not in DM mode";

// The Controls page, opened from the options: a cursor on the actions (rows 1..10) and
// "Restore defaults" (row 11), in the column of the first or the second key.
inline constexpr int kRestoreDefaultsRow = kActionCount + 1;
struct ControlsPage {
    bool shown = false;
    std::int16_t row = 1;
    std::int16_t column = 0;
    bool capturing = false;    // the next key goes to the action under the cursor
    std::string_view refused;  // the name of a key that cannot be chosen, while capturing
    // Per action, the key another action took from it while the page is open (0 for none).
    std::array<std::uint8_t, kActionCount> lost{};
    // What the keyboard's layout called each key when the page opened; empty: the game's name.
    std::array<std::string, 256> labels{};
};

// What the Levels page shows of one file in the lvl folder.
enum class GridMark : std::uint8_t { Empty, Wall, Start, FixPoint, UserItem };
struct LevelListEntry {
    std::string fileName;  // in the lvl folder
    std::string name;      // "lvlName=", or the file name when it has none
    std::string author;    // from the "Level Author:" line; empty without one
    std::string best;      // "1240 in 1:35" or "not played"
    std::string error;     // why the level reader refused it; empty when it reads
    std::string replay;    // the file name of its best run's replay; empty for none
    std::array<GridMark, kGridCells> grid{};  // row by row, kGridColumns to a row
};

inline constexpr int kLevelsInView = 10;  // rows of the Levels page shown at once

struct MenuState {
    std::int16_t menuRow = 1;     // 1 new game, 2 options, 3 high scores, 4 levels, 5 exit
    std::int16_t optionsRow = 1;  // 1..16
    std::string optionsCommand;   // "+", "-", "cycle" or empty
    std::int16_t hallOfFamePage = 0;
    // The hall of fame's cursor: 0 the last game's row above the places, 1..10 the places.
    std::int16_t hallOfFameRow = 0;
    std::int16_t optionsPage = 0;
    ControlsPage controls;
    // Why the options' "Controls..." line is worth a look (an action left without a key);
    // shown in the status line until the cursor leaves that line.
    std::string optionsNotice;
    bool typingAllowed = false;
    std::string typingTarget;  // "PlayerName", "HallOfFame" or "Cheat"
    // The hall-of-fame place (1..10) of a new entry whose name is being typed; 0 for none.
    std::int16_t namingPlace = 0;
    std::string statusLine;
    // A text that stays in the main menu's status line until the cursor leaves
    // this row (why a level could not be loaded).
    bool statusHeld = false;
    std::int16_t statusHeldRow = 1;
    std::array<bool, 5> highlights{};
    // The Levels page: shown when 1; its rows (1-based), the first row in view, the
    // letters typed to find a level and when the last of them was typed.
    std::int16_t levelsPage = 0;
    std::int16_t levelsRow = 1;
    std::int16_t levelsTop = 1;
    std::string levelsTyped;
    std::int64_t levelsTypedAt = 0;
    std::vector<LevelListEntry> levels;
    double tickerPos = 0;
    std::string tickerLine;
};

// A run of one level started from the Levels page: it plays that level alone, in the
// normal mode, and ends on the page.
struct LevelRun {
    bool active = false;
    std::string fileName;
    std::string sha256;        // of the level file's bytes as the run started
    std::int32_t seconds = 0;  // counted while the level clock runs, over every life
    // The command line's modes, set aside for the run and given back when it ends.
    std::string gameMode;
    bool huntingMode = false;
    bool aisOn = false;
    bool aisGiven = false;
};

struct CentredLine {
    std::string text;
    std::int16_t y = 0;
    std::int16_t font = 0;
};

struct HallOfFameEntry {
    std::string name = "Unknown";
    std::string score;   // held as read
    std::string replay;  // the file name of the entry's kept replay; empty for none
};

struct Cheats {
    bool cheatUsed = false;
    bool godMode = false;
    bool noClip = false;
    bool noTimeCheck = false;
    std::string consoleText;
};

// The keys that went down since the key handler last took them, in the order they went
// down (set-1 scan codes). A burst longer than the table keeps its first presses.
struct KeyPresses {
    static constexpr std::size_t kMost = 32;
    std::array<std::uint8_t, kMost> codes{};
    std::size_t count = 0;

    void Add(int code) {
        if (count < kMost && code > 0 && code < 256)
            codes[count++] = static_cast<std::uint8_t>(code);
    }
    void Clear() { count = 0; }
    bool Empty() const { return count == 0; }
};

struct KeyState {
    // Held now, or went down since the last poll (a tap between two polls shows for one).
    std::array<std::uint8_t, 256> snapshot{};
    KeyPresses presses;
    std::array<bool, 256> ready{};
    bool shift = false;
    int lastKey = 0;
    // A damaged "Keys" section is reported once a run, not at every level reset.
    bool keysDamageReported = false;
    // The key held down that steps again at `repeatAt` (Left or Right on the options page).
    int repeatKey = 0;
    std::int64_t repeatAt = 0;
};

// The start-up progress counters: unpacking advances count up to total; the picture
// loader also uses base.
struct ProgressCounters {
    std::int16_t count = 0;
    std::int16_t base = 0;
    std::int16_t total = 0;
};

inline constexpr int kMaxModels = 100;

// One snake model pack from the "models" folder: its file, the folder under "gfx"
// its pictures were unpacked to, its credit and which corner sprites it has.
struct ModelPack {
    std::string file;    // "Standart.zmp"
    std::string folder;  // "Standart"
    std::string name;
    std::string author;
    bool edges = false;        // EDGES: body corner sprites
    bool edgesInvers = false;  // EDGES_INVERS: own sprites for left-hand corners
    bool tailEdges = false;    // TAIL_EDGES: tail corner sprites
};

// `ModelPacks`: models 0..highest in the order of the sorted file list, read once
// at start-up.
struct ModelList {
    std::array<ModelPack, kMaxModels> packs;
    std::int16_t highest = -1;

    // The model's record, or none for a number outside 0..highest.
    const ModelPack* Find(int model) const {
        if (model < 0 || model > highest) return nullptr;
        return &packs[static_cast<std::size_t>(model)];
    }
};

// The start-up window: the loading label, the five-line console and the progress
// frame with its bar.
struct StartupWindow {
    std::string loadingLabel;  // "Zelkor v. 1.0.0 loading...", "Loading GFx...", ...
    std::array<std::string, 5> console;
    bool progressShown = false;
    int progressPercent = 0;  // 0..100
};

// One run of the game: every table and flag, owned in one place.
struct Game {
    explicit Game(Clock& gameClock) : clock(gameClock) {}

    Clock& clock;
    Random rng;
    Timers timers;

    World world;
    OccupancyIndex occupancy;  // where things stand in `world`, for placement and pick-ups
    LevelSettings level;
    Options options;
    RunValues run;
    LoopFlags flags;
    MenuState menu;
    LevelRun levelRun;
    Cheats cheats;
    KeyState keys;
    ProgressCounters progress;
    SoundState sound;
    MusicState music;

    std::array<std::string, 5> messages;  // message lines 1..5
    std::array<CentredLine, 16> centredLines;
    StartupWindow startup;
    ModelList ModelPacks;
    std::array<HallOfFameEntry, 10> hallOfFame;

    // The computer-snake names read from "AI_Names.lst" (slots 0..98) and their count.
    std::array<std::string, kMaxAINames> AINames;
    std::int16_t AINameCount = 0;

    SnakeRecord& Snake(int n) { return world.Snakes[n]; }
    const SnakeRecord& Snake(int n) const { return world.Snakes[n]; }
    SnakeRecord& Player() { return world.Snakes[1]; }
    std::int64_t Now() const { return clock.NowMs(); }
};

}  // namespace zelkor
