#include "editor/core/cell_codes.h"

#include "common/captions.h"
#include "common/level_format.h"

namespace zelkor::editor {
namespace {

bool InUserItemRange(char code) {
    const auto c = static_cast<unsigned char>(code);
    return c >= 97 && c <= 133 && code != '|';
}

}  // namespace

ToolPicture CellPicture(char code) {
    if (IsStartCode(code)) return ToolPicture::StartPoint;
    if (code == kSpawnPointCode) return ToolPicture::FixPoint;
    if (const auto wall = WallKindOfCode(code)) {
        switch (*wall) {
            case WallKind::s:
                return ToolPicture::SingleBrick;
            case WallKind::v:
                return ToolPicture::VerticalWall;
            case WallKind::h_b:
                return ToolPicture::VerticalWallEnd;
            case WallKind::h_t:
                return ToolPicture::VerticalWallStart;
            case WallKind::h:
                return ToolPicture::HorizontalWall;
            case WallKind::v_l:
                return ToolPicture::HorizontalWallStart;
            case WallKind::v_r:
                return ToolPicture::HorizontalWallEnd;
        }
    }
    return ToolPicture::BlankTile;
}

std::optional<char> PaletteCode(ToolPicture picture) {
    switch (picture) {
        case ToolPicture::SingleBrick:
            return WallCode(WallKind::s);
        case ToolPicture::VerticalWall:
            return WallCode(WallKind::v);
        case ToolPicture::VerticalWallEnd:
            return WallCode(WallKind::h_b);
        case ToolPicture::VerticalWallStart:
            return WallCode(WallKind::h_t);
        case ToolPicture::HorizontalWall:
            return WallCode(WallKind::h);
        case ToolPicture::HorizontalWallStart:
            return WallCode(WallKind::v_l);
        case ToolPicture::HorizontalWallEnd:
            return WallCode(WallKind::v_r);
        case ToolPicture::Nothing:
        case ToolPicture::BlankTile:
            return kEmptyCellCode;
        case ToolPicture::FixPoint:
            return kSpawnPointCode;
        case ToolPicture::StartPoint:
            break;
    }
    return std::nullopt;
}

std::string CellDescription(char code) {
    if (const int snake = StartSnakeOfCode(code))
        return "Player " + std::to_string(snake) + " Start";
    if (code == kSpawnPointCode) return "FixPoint";
    if (const auto wall = WallKindOfCode(code)) {
        switch (*wall) {
            case WallKind::s:
                return "single brick";
            case WallKind::v:
                return "vertical wall";
            case WallKind::h_b:
                return "vertical wall (end)";
            case WallKind::h_t:
                return "vertical wall (start)";
            case WallKind::h:
                return "horizontal wall";
            case WallKind::v_l:
                return "horizontal wall (start)";
            case WallKind::v_r:
                return "horizontal wall (end)";
        }
    }
    if (InUserItemRange(code)) return "User Item";
    return "nothing";
}

std::string CellInfoText(int index, char code) {
    return "#(" + std::to_string(index) + "):\n'" + std::string(1, code) + "' = [" +
           CellDescription(code) + "]";
}

bool IsStartCode(char code) {
    return StartSnakeOfCode(code) != 0;
}

std::string PlayerNumberText(char code) {
    const int snake = StartSnakeOfCode(code);
    return snake == 0 ? std::string() : std::to_string(snake);
}

bool ShowsLetter(char code) {
    return InUserItemRange(code);
}

std::string ProgressText(std::string_view what, int index) {
    return std::string(what) + "\n" + std::to_string(index * 100 / (kGridCells - 1)) + "%";
}

std::string StartMenuEntry(int entry) {
    const int place = entry + 1;
    return std::to_string(place) + std::string(OrdinalSuffix(place)) +
           (entry == 0 ? " (Single Player)" : " (Multi Player)");
}

}  // namespace zelkor::editor
