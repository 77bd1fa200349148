#include "common/level_reader.h"

#include <cmath>
#include <iterator>

#include "common/numbers.h"
#include "common/regular_file.h"

namespace zelkor {
namespace {

struct KeyInfo {
    LevelKey key;
    std::string_view text;
    LevelValueType type;
    bool skipsOne;
};

using T = LevelValueType;
constexpr std::array<KeyInfo, kLevelKeyCount> kKeyTable{{
    {LevelKey::numYellow, "numYellow=", T::Integer, false},
    {LevelKey::numRed, "numRed=", T::Integer, false},
    {LevelKey::numBlue, "numBlue=", T::Integer, false},
    {LevelKey::numBlack, "numBlack=", T::Integer, false},
    {LevelKey::numTNT, "numTNT=", T::Integer, false},
    {LevelKey::numPower, "numPower=", T::Integer, false},
    {LevelKey::hasOpenWalls, "hasOpenWalls=", T::ExactTrue, false},
    {LevelKey::reqYellow, "reqYellow=", T::Decimal, false},
    {LevelKey::reqRed, "reqRed=", T::Decimal, false},
    {LevelKey::reqBlue, "reqBlue=", T::Decimal, false},
    {LevelKey::reqBlack, "reqBlack=", T::Decimal, false},
    {LevelKey::reqScore, "reqScore=", T::Integer, false},
    {LevelKey::blueRate, "blueRate=", T::Decimal, false},
    {LevelKey::powerRate, "powerRate=", T::Integer, false},
    {LevelKey::HideCollected, "HideCollected=", T::ExactTrue, false},
    {LevelKey::nextLvl, "nextLvl=", T::Text, true},
    {LevelKey::lvlName, "lvlName=", T::Text, true},
    {LevelKey::Timeout, "Timeout=", T::Decimal, true},
    {LevelKey::SnakeStrtX, "SnakeStrtX=", T::Whole, true},
    {LevelKey::SnakeStrtY, "SnakeStrtY=", T::Whole, true},
    {LevelKey::AIS, "AIS=", T::Decimal, false},
    {LevelKey::BkgPic, "BkgPic=", T::Name, false},
    {LevelKey::Requires, "Requires=", T::Name, false},
    {LevelKey::MusicFile, "MusicFile=", T::Name, false},
    {LevelKey::increase, "increase=", T::Truth, false},
    {LevelKey::incrBy, "incrBy=", T::Decimal, false},
    {LevelKey::gSpeed, "gSpeed=", T::Integer, false},
    {LevelKey::maxSpd, "maxSpd=", T::Decimal, false},
    {LevelKey::minSpd, "minSpd=", T::Decimal, false},
    {LevelKey::set, "set:", T::UserItem, false},
    {LevelKey::let, "let:", T::UserItem, false},
}};

constexpr bool TableFollowsKeyOrder() {
    for (std::size_t i = 0; i < kKeyTable.size(); ++i)
        if (static_cast<std::size_t>(kKeyTable[i].key) != i) return false;
    return true;
}
static_assert(TableFollowsKeyOrder());

const KeyInfo& Info(LevelKey key) {
    return kKeyTable[static_cast<std::size_t>(key)];
}

// The item-count keys, in the order the loader places the kinds.
constexpr std::array<LevelKey, 6> kItemCountKeys{LevelKey::numYellow, LevelKey::numRed,
                                                 LevelKey::numBlue,   LevelKey::numBlack,
                                                 LevelKey::numTNT,    LevelKey::numPower};

// The highest column whose pixel position still fits a 16-bit coordinate.
constexpr int kMaxGridColumn = 32767 / kCellSize;

char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string_view RemoveLeadingBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    return s;
}

class LevelTextReader {
public:
    LevelReadResult Read(std::string_view bytes) {
        std::size_t pos = 0;
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
            ++line_;
            if (line_ <= kGridRows && !ScanGridLine(line)) return Finish();
            if (!ReadKeys(line)) return Finish();
        }
        CheckItemCounts();
        return Finish();
    }

private:
    // The character at the end of a line is never examined; a blank moves the column
    // counter on and places the pending token when it is a single cell code.
    bool ScanGridLine(std::string_view line) {
        int column = 0;
        char token = 0;
        std::size_t tokenLength = 0;
        for (std::size_t i = 0; i + 1 < line.size(); ++i) {
            const char c = line[i];
            if (c != ' ') {
                if (tokenLength == 0) token = c;
                ++tokenLength;
                continue;
            }
            ++column;
            if (tokenLength == 1 && !PlaceCell(token, column)) return false;
            tokenLength = 0;
        }
        return true;
    }

    bool PlaceCell(char code, int column) {
        const int snake = StartSnakeOfCode(code);
        const std::optional<WallKind> wall = WallKindOfCode(code);
        const bool spawn = code == kSpawnPointCode;
        const bool userItem = IsUserItemCode(code);
        if (snake == 0 && !wall && !spawn && !userItem) return true;  // "0" and the like
        if (column > kMaxGridColumn)
            return Fail("a grid cell in column " + std::to_string(column) +
                        " lies beyond the playfield's coordinates");
        const auto x = static_cast<std::int16_t>(kCellSize * column);
        const auto y = static_cast<std::int16_t>(kCellSize * line_);
        constexpr std::int16_t half = kCellSize / 2;
        if (wall) {
            if (++walls_ > kMaxWallPieces) return Fail("more than 681 wall pieces");
            Add(WallPlaced{x, y, *wall});
        } else if (snake != 0) {
            Add(StartPlaced{snake, static_cast<std::int16_t>(x - half),
                            static_cast<std::int16_t>(y - half)});
        } else if (spawn) {
            if (++spawnPoints_ > kMaxSpawnPoints) return Fail("more than 300 spawn points");
            Add(SpawnPointPlaced{static_cast<std::int16_t>(x - half),
                                 static_cast<std::int16_t>(y - half)});
        } else {
            if (++userItemCells_ > kMaxUserItemCells) return Fail("more than 681 user-item cells");
            Add(UserItemCellPlaced{x, y, UpperAscii(code)});
        }
        return true;
    }

    // Every key is tested, in table order; a key matches when the line begins with
    // its exact characters.
    bool ReadKeys(std::string_view line) {
        for (const KeyInfo& info : kKeyTable) {
            if (!line.starts_with(info.text)) continue;
            if (info.type == T::UserItem) {
                ReadUserItemLine(info.key, line);
                continue;
            }
            const std::size_t start = info.text.size() + (info.skipsOne ? 1 : 0);
            const std::string_view value = start < line.size() ? line.substr(start) : "";
            if (!ReadKeyValue(info, value)) return false;
        }
        return true;
    }

    void ReadUserItemLine(LevelKey key, std::string_view line) {
        const std::optional<UserItemLine> item = SplitUserItemLine(line);
        if (!item) return;
        const char letter = UpperAscii(item->letter);
        std::string value(item->value);
        if (key == LevelKey::let)
            Add(UserItemTypeRead{letter, std::move(value)});
        else
            Add(UserItemGfxRead{letter, std::move(value)});
    }

    bool ReadKeyValue(const KeyInfo& info, std::string_view value) {
        const std::string key(info.text);
        switch (info.type) {
            case T::Integer: {
                const double number = ReadNumber(value);
                const auto whole = ToInt16(number);
                if (!whole)
                    return Fail(key + " " + NumberText(number) + " is outside -32768..32767");
                if (IsItemCount(info.key)) {
                    auto& count = itemCounts_[ItemCountIndex(info.key)];
                    count = {*whole, line_};
                }
                Add(KeyRead{info.key, *whole});
                return true;
            }
            case T::Whole: {
                const double number = ReadNumber(value);
                const auto whole = ToInt32(number);
                if (!whole)
                    return Fail(key + " " + NumberText(number) +
                                " is outside -2147483648..2147483647");
                Add(KeyRead{info.key, *whole});
                return true;
            }
            case T::Decimal: {
                const double number = ReadNumber(value);
                if (!std::isfinite(number)) return Fail(key + " value is too large");
                // The level runs this many computer snakes plus the player, a 16-bit count.
                if (info.key == LevelKey::AIS && !ToInt16(number + 1))
                    return Fail(key + " " + NumberText(number) +
                                " gives a snake count outside -32768..32767");
                Add(KeyRead{info.key, number});
                return true;
            }
            case T::ExactTrue:
                Add(KeyRead{info.key, IsExactTrue(value)});
                return true;
            case T::Truth: {
                const auto truth = ReadTruth(value);
                if (!truth) return Fail(key + " value is neither True, False nor a number");
                Add(KeyRead{info.key, *truth});
                return true;
            }
            case T::Text:
                Add(KeyRead{info.key, std::string(value)});
                return true;
            case T::Name:
                if (info.key == LevelKey::Requires && ++requiredFiles_ > kMaxRequiredFiles)
                    return Fail("more than 32 required files");
                Add(KeyRead{info.key, std::string(RemoveLeadingBlanks(value))});
                return true;
            case T::UserItem:
                break;
        }
        return true;
    }

    static bool IsItemCount(LevelKey key) {
        return static_cast<int>(key) <= static_cast<int>(LevelKey::numPower);
    }
    static std::size_t ItemCountIndex(LevelKey key) { return static_cast<std::size_t>(key); }

    // The loader places every item after the whole file is read, so the last count
    // of each kind decides whether its table is big enough.
    void CheckItemCounts() {
        for (LevelKey key : kItemCountKeys) {
            const ItemCount& count = itemCounts_[ItemCountIndex(key)];
            if (count.value > kMaxItems) {
                error_ = LevelError{count.line, std::string(Info(key).text) + " " +
                                                    std::to_string(count.value) +
                                                    " asks for more than 300 items"};
                return;
            }
        }
    }

    template <typename Effect>
    void Add(Effect effect) {
        effects_.emplace_back(std::move(effect));
    }

    bool Fail(std::string reason) {
        error_ = LevelError{line_, std::move(reason)};
        return false;
    }

    LevelReadResult Finish() { return {std::move(effects_), std::move(error_)}; }

    struct ItemCount {
        std::int16_t value = 0;
        int line = 0;
    };

    int line_ = 0;
    int walls_ = 0;
    int spawnPoints_ = 0;
    int userItemCells_ = 0;
    int requiredFiles_ = 0;
    std::array<ItemCount, 6> itemCounts_{};
    std::vector<LevelEffect> effects_;
    std::optional<LevelError> error_;
};

}  // namespace

const std::array<LevelKey, kLevelKeyCount>& LevelKeys() {
    static const std::array<LevelKey, kLevelKeyCount> keys = [] {
        std::array<LevelKey, kLevelKeyCount> all{};
        for (std::size_t i = 0; i < all.size(); ++i)
            all[i] = kKeyTable[i].key;
        return all;
    }();
    return keys;
}

std::string_view LevelKeyText(LevelKey key) {
    return Info(key).text;
}

std::string_view LevelKeyName(LevelKey key) {
    const std::string_view text = Info(key).text;
    return text.substr(0, text.size() - 1);
}

LevelValueType LevelKeyType(LevelKey key) {
    return Info(key).type;
}

bool SkipsOneCharacter(LevelKey key) {
    return Info(key).skipsOne;
}

LevelReadResult ReadLevelText(std::string_view bytes) {
    return LevelTextReader().Read(bytes);
}

std::optional<std::string> ReadLevelBytes(const std::filesystem::path& file) {
    return ReadWholeFile(file, kMaxLevelFileBytes);
}

}  // namespace zelkor
