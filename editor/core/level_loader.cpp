#include "editor/core/level_loader.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "common/level_reader.h"
#include "common/numbers.h"
#include "common/regular_file.h"

namespace zelkor::editor {
namespace {

// The keys the editor reads, with the number of characters that come off the line
// before the value.
enum class Field {
    numYellow,
    numRed,
    numBlue,
    numBlack,
    numTNT,
    numPower,
    reqYellow,
    reqRed,
    reqBlue,
    reqBlack,
    reqScore,
    blueRate,
    powerRate,
    HideCollected,
    nextLvl,
    lvlName,
    Timeout,
    BkgPic,
    MusicFile,
    Requires,
    let,
    set,
};

struct EditorKey {
    std::string_view text;
    std::size_t skip;
    Field field;
};

constexpr std::array<EditorKey, 22> kEditorKeys{{
    {"numYellow=", 10, Field::numYellow},
    {"numRed=", 7, Field::numRed},
    {"numBlue=", 8, Field::numBlue},
    {"numBlack=", 9, Field::numBlack},
    {"numTNT=", 7, Field::numTNT},
    {"numPower=", 9, Field::numPower},
    {"reqYellow=", 10, Field::reqYellow},
    {"reqRed=", 7, Field::reqRed},
    {"reqBlue=", 8, Field::reqBlue},
    {"reqBlack=", 9, Field::reqBlack},
    {"reqScore=", 9, Field::reqScore},
    {"blueRate=", 9, Field::blueRate},
    {"powerRate=", 10, Field::powerRate},
    {"HideCollected=", 14, Field::HideCollected},
    {"nextLvl=", 9, Field::nextLvl},
    {"lvlName=", 9, Field::lvlName},
    {"Timeout=", 9, Field::Timeout},
    {"BkgPic=", 7, Field::BkgPic},
    {"MusicFile=", 10, Field::MusicFile},
    {"Requires=", 9, Field::Requires},
    {"let:", 6, Field::let},
    {"set:", 6, Field::set},
}};

// The lines of the editor's own layout, which every save writes anew.
constexpr std::array<std::string_view, 10> kLayoutLines{
    "[Level Info]", "[Required Files]",   "[Items]",       "[Items to be collected]",
    "[Rates]",      "[User Items]",       ";Declarations", ";User Gfx",
    "[Background]", "[EOF (End of file)]"};
constexpr std::string_view kCreditStart = "Created with lvlEdit for Zelkor v.";
constexpr std::string_view kAuthorKey = "Level Author: ";

std::string_view WithoutLeadingBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    return s;
}

std::string NumberOf(std::string_view rest) {
    return NumberText(ReadNumber(rest));
}

int RateOf(std::string_view rest, int low, int high) {
    const double number = std::clamp(ReadNumber(rest), double(low), double(high));
    return static_cast<int>(std::nearbyint(number));  // a half goes to the even neighbour
}

// A key of the game's that the editor neither shows nor edits.
bool IsGameOnlyKey(std::string_view line) {
    for (LevelKey key : LevelKeys()) {
        const std::string_view text = LevelKeyText(key);
        if (!line.starts_with(text)) continue;
        const bool editorReadsIt = std::any_of(kEditorKeys.begin(), kEditorKeys.end(),
                                               [&](const EditorKey& k) { return k.text == text; });
        if (!editorReadsIt) return true;
    }
    return false;
}

bool IsLayoutLine(std::string_view line) {
    return line.empty() ||
           std::find(kLayoutLines.begin(), kLayoutLines.end(), line) != kLayoutLines.end() ||
           line.starts_with(kCreditStart) || line.starts_with(kAuthorKey.substr(0, 13));
}

class EditorLevelReader {
public:
    explicit EditorLevelReader(const EditorLevel& before) { result_.level.fields = before.fields; }

    EditorReadResult Read(std::string_view bytes) {
        std::size_t pos = 0;
        int lineNumber = 0;
        while (pos < bytes.size()) {
            std::size_t end = bytes.find_first_of("\r\n", pos);
            if (end == std::string_view::npos) end = bytes.size();
            const std::string_view line = bytes.substr(pos, end - pos);
            pos = end;
            if (pos < bytes.size()) {
                const bool crlf =
                    bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n';
                pos += crlf ? 2 : 1;
            }
            ++lineNumber;
            if (lineNumber <= kGridRows) ReadGridLine(line);
            const bool known = ReadKeys(line);
            if (IsGameOnlyKey(line) || (lineNumber > kGridRows && !known && !IsLayoutLine(line)))
                result_.level.keptLines.emplace_back(line);
            if (line.starts_with(kAuthorKey))
                result_.author = std::string(line.substr(kAuthorKey.size()));
        }
        return std::move(result_);
    }

private:
    void ReadGridLine(std::string_view line) {
        for (std::size_t i = 0; i + 1 < line.size(); ++i) {
            if (line[i] == ' ') continue;
            if (nextCell_ < kGridCells) result_.level.grid.Set(nextCell_, line[i]);
            ++nextCell_;
        }
    }

    // True when the line begins with a key the editor reads.
    bool ReadKeys(std::string_view line) {
        bool known = false;
        for (const EditorKey& key : kEditorKeys) {
            if (!line.starts_with(key.text)) continue;
            known = true;
            const std::string_view rest = key.skip < line.size() ? line.substr(key.skip) : "";
            Apply(key.field, rest, line);
        }
        return known;
    }

    void Apply(Field field, std::string_view rest, std::string_view line) {
        LevelFields& f = result_.level.fields;
        switch (field) {
            case Field::numYellow:
                f.numYellow = NumberOf(rest);
                break;
            case Field::numRed:
                f.numRed = NumberOf(rest);
                break;
            case Field::numBlue:
                f.numBlue = NumberOf(rest);
                break;
            case Field::numBlack:
                f.numBlack = NumberOf(rest);
                break;
            case Field::numTNT:
                f.numTNT = NumberOf(rest);
                break;
            case Field::numPower:
                f.numPower = NumberOf(rest);
                break;
            case Field::reqYellow:
                f.reqYellow = NumberOf(rest);
                break;
            case Field::reqRed:
                f.reqRed = NumberOf(rest);
                break;
            case Field::reqBlue:
                f.reqBlue = NumberOf(rest);
                break;
            case Field::reqBlack:
                f.reqBlack = NumberOf(rest);
                break;
            case Field::reqScore:
                f.reqScore = NumberOf(rest);
                break;
            case Field::blueRate:
                f.blueRate = RateOf(rest, kBlueRateMin, kBlueRateMax);
                break;
            case Field::powerRate:
                f.powerRate = RateOf(rest, kPowerRateMin, kPowerRateMax);
                break;
            case Field::HideCollected:
                f.hideCollected = IsExactTrue(rest);
                break;
            case Field::nextLvl:
                f.lvlNext = rest;
                break;
            case Field::lvlName:
                f.lvlName = rest;
                break;
            case Field::Timeout:
                f.timeLimit = NumberOf(rest);
                break;
            case Field::BkgPic:
                f.bkgPic = WithoutLeadingBlanks(rest);
                break;
            case Field::MusicFile:
                f.bkgMusic = rest;
                break;
            case Field::Requires: {
                const std::string_view name = WithoutLeadingBlanks(rest);
                if (!name.empty()) result_.level.requiredFiles.Add(std::string(name));
                break;
            }
            case Field::let:
            case Field::set:
                ReadUserItem(field, line);
                break;
        }
    }

    // As the game takes them: a "let:" or "set:" after the "set:" of its letter finds
    // no cell still answering to the letter, so only the first "set:" counts, and the
    // type is the last "let:" before it.
    void ReadUserItem(Field field, std::string_view line) {
        const std::optional<UserItemLine> item = SplitUserItemLine(line);
        if (!item || !IsUserItemCode(item->letter)) return;
        std::optional<UserItem>& slot = result_.level.userItems.Slot(item->letter);
        if (!slot) slot = UserItem{};
        if (!slot->gfx.empty()) return;
        if (field == Field::let)
            slot->type = item->value;
        else
            slot->gfx = item->value;
    }

    EditorReadResult result_;
    int nextCell_ = 0;
};

}  // namespace

EditorReadResult ReadEditorLevel(std::string_view bytes, const EditorLevel& before) {
    return EditorLevelReader(before).Read(bytes);
}

std::variant<std::string, FileResult> ReadLevelFileBytes(const std::filesystem::path& file) {
    FileBytes read = ReadRegularFile(file, kMaxLevelFileBytes);
    int error = 0;
    switch (read.status) {
        case FileStatus::Ok:
            // Level files are text: a zero byte means a picture, an archive or some
            // other file was picked, and loading it would replace the level with noise.
            if (const std::size_t zero = read.bytes.find('\0'); zero != std::string::npos) {
                const auto line = 1 + std::count(read.bytes.begin(),
                                                 read.bytes.begin() + std::ptrdiff_t(zero), '\n');
                return FileResult{EINVAL, "not a level file: line " + std::to_string(line) +
                                              " holds a zero byte"};
            }
            return std::move(read.bytes);
        case FileStatus::Missing:
            error = ENOENT;
            break;
        case FileStatus::NotAFile:
            error = S_ISDIR(read.info.st_mode) ? EISDIR : EINVAL;
            break;
        case FileStatus::Unreadable:
            error = EACCES;
            break;
        case FileStatus::TooLarge:
            error = EFBIG;
            break;
    }
    return FileResult{error, std::strerror(error)};
}

std::string LoadFailedMessage(const FileResult& result) {
    return "Could not load! Err: " + std::to_string(result.error) + " (" + result.description + ")";
}

}  // namespace zelkor::editor
