#pragma once

#include <array>
#include <string>
#include <vector>

namespace zelkor::scenario {

// A level file written the way the editor lays it out: 22 grid lines of 31
// cells ("c "), then key lines, all ending in CR LF. Columns and rows count
// from 1; a snake or an item in cell (col, row) stands at (20*col-10, 20*row-10),
// a wall or a user item at (20*col, 20*row).
class LevelText {
public:
    LevelText() { rows_.fill(EmptyRow()); }

    LevelText& Put(int col, int row, char code) {
        rows_.at(static_cast<std::size_t>(row - 1)).at(static_cast<std::size_t>(2 * (col - 1))) =
            code;
        return *this;
    }
    LevelText& Key(const std::string& line) {
        keys_.push_back(line);
        return *this;
    }
    std::string Text() const {
        std::string text;
        for (const std::string& row : rows_)
            text += row + "\r\n";
        text += "\r\n";
        for (const std::string& key : keys_)
            text += key + "\r\n";
        return text;
    }

private:
    static std::string EmptyRow() {
        std::string row;
        for (int col = 1; col <= 31; ++col)
            row += "0 ";
        return row;
    }

    std::array<std::string, 22> rows_;
    std::vector<std::string> keys_;
};

// The centre of cell (col, row), where snakes and spawned items stand.
constexpr int CellX(int col) {
    return 20 * col - 10;
}
constexpr int CellY(int row) {
    return 20 * row - 10;
}

}  // namespace zelkor::scenario
