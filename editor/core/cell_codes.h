#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zelkor::editor {

// The pictures the grid is drawn with; the palette shows the first nine and the
// fix point.
enum class ToolPicture {
    SingleBrick,
    VerticalWall,
    VerticalWallEnd,
    VerticalWallStart,
    HorizontalWall,
    HorizontalWallStart,
    HorizontalWallEnd,
    StartPoint,
    Nothing,
    FixPoint,
    BlankTile,
};
inline constexpr int kToolPictureCount = 11;

// What a cell holding `code` is drawn with: a picture for walls, starts and fix
// points, the blank tile for everything else (a user item's letter is printed over
// the blank tile).
ToolPicture CellPicture(char code);

// The code a palette picture selects; nothing for the start point, which opens the
// start-point menu instead.
std::optional<char> PaletteCode(ToolPicture picture);

// "single brick", "Player 3 Start", "FixPoint", "User Item", "nothing".
std::string CellDescription(char code);

// The info box for the cell under the pointer: "#(33):", a line break, "'S' = [Player 1 Start]".
std::string CellInfoText(int index, char code);

bool IsStartCode(char code);

// The player number printed on a start cell: "1" for "S", "2".."16" for "1".."F".
std::string PlayerNumberText(char code);

// Characters whose cells show their letter: the user items (codes 97..133 but "|").
bool ShowsLetter(char code);

// The status line while every cell is redrawn or cleared: "Redrawing Surfaces...",
// a line break and the share done, "0%" at cell 0 to "100%" at cell 681.
std::string ProgressText(std::string_view what, int index);

// The start-point menu: sixteen entries, "1st (Single Player)", "2nd (Multi Player)", ...
std::string StartMenuEntry(int entry);  // entry 0..15

}  // namespace zelkor::editor
