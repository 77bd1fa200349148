#include "editor/core/level_writer.h"

#include <cstring>

#include "common/atomic_file.h"

namespace zelkor::editor {
namespace {

constexpr std::string_view kCredit = " - by the Zelkor team, 2026";

// A field holds one line of the file: a line break typed or pasted into it would
// start a line of its own, so it goes in as a blank.
std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    return line;
}

class LineWriter {
public:
    void Line(std::string_view text = {}) {
        out_ += OneLine(text);
        out_ += "\r\n";
    }
    void Key(std::string_view key, std::string_view value) {
        Line(std::string(key) + OneLine(value));
    }
    std::string Take() { return std::move(out_); }

private:
    std::string out_;
};

void WriteGrid(const GridCells& grid, LineWriter& out) {
    for (int row = 1; row <= kGridRows; ++row) {
        std::string line;
        for (int column = 1; column <= kGridColumns; ++column) {
            line += grid.At(*GridCells::IndexOf(column, row));
            line += ' ';
        }
        out.Line(line);
    }
}

}  // namespace

EditorVersion ProgramVersion() {
    return {ZELKOR_VERSION_MAJOR, ZELKOR_VERSION_MINOR, ZELKOR_VERSION_PATCH};
}

std::string CreditLine(EditorVersion version) {
    return "Created with lvlEdit for Zelkor v." + std::to_string(version.major) + "." +
           std::to_string(version.minor) + "." + std::to_string(version.revision) +
           std::string(kCredit);
}

std::string LevelFileText(const EditorLevel& level, EditorVersion version) {
    const LevelFields& f = level.fields;
    LineWriter out;
    WriteGrid(level.grid, out);
    out.Line();
    out.Line();

    out.Line("[Level Info]");
    out.Key("lvlName= ", f.lvlName);
    out.Key("nextLvl= ", f.lvlNext);
    out.Key("Timeout= ", f.timeLimit);
    out.Line();

    out.Line("[Required Files]");
    for (const std::string& name : level.requiredFiles.Entries())
        out.Key("Requires=", name);
    out.Line();

    out.Line("[Items]");
    out.Key("numYellow= ", f.numYellow);
    out.Key("numRed= ", f.numRed);
    out.Key("numBlue= ", f.numBlue);
    out.Key("numBlack= ", f.numBlack);
    out.Key("numTNT= ", f.numTNT);
    out.Key("numPower= ", f.numPower);
    out.Line();

    out.Line("[Items to be collected]");
    out.Key("reqYellow= ", f.reqYellow);
    out.Key("reqRed= ", f.reqRed);
    out.Key("reqBlue= ", f.reqBlue);
    out.Key("reqBlack= ", f.reqBlack);
    out.Key("reqScore= ", f.reqScore);
    out.Line(f.hideCollected ? "HideCollected=True" : "HideCollected=False");
    out.Line();

    out.Line("[Rates]");
    out.Key("blueRate= ", std::to_string(f.blueRate));
    out.Key("powerRate= ", std::to_string(f.powerRate));
    out.Line();

    // Every "let:" before every "set:": the game gives a cell its type only while the
    // cell still answers to its letter.
    out.Line("[User Items]");
    out.Line(";Declarations");
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const auto& item = level.userItems.Slot(letter);
        if (item && !item->type.empty()) out.Key(std::string("let:") + letter + "=", item->type);
    }
    out.Line();
    out.Line(";User Gfx");
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const auto& item = level.userItems.Slot(letter);
        if (item && !item->gfx.empty()) out.Key(std::string("set:") + letter + "=", item->gfx);
    }

    out.Line("[Background]");
    out.Key("BkgPic= ", f.bkgPic);
    out.Key("MusicFile=", f.bkgMusic);
    // The lines the editor does not edit, after its own keys, as they were read.
    for (const std::string& line : level.keptLines)
        out.Line(line);
    out.Line();

    out.Line("[EOF (End of file)]");
    out.Line(CreditLine(version));
    out.Key("Level Author: ", f.Author);
    return out.Take();
}

FileResult ZkSaveLevel(const std::filesystem::path& file, const EditorLevel& level) {
    int error = 0;
    if (WriteFileAtomically(file, LevelFileText(level), {}, &error)) return {};
    if (error == 0) error = EIO;
    return {error, std::strerror(error)};
}

std::string SaveFailedMessage(const FileResult& result) {
    return "Could not save! Err: " + std::to_string(result.error) + " (" + result.description + ")";
}

}  // namespace zelkor::editor
