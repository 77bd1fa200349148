#include "common/level_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/common/temp_folder.h"

namespace zelkor {
namespace {

// A grid row as the editor writes it: 31 cells, each a character and a blank.
std::string EditorRow(std::string_view cells) {
    std::string row;
    for (int k = 0; k < 31; ++k) {
        row += k < static_cast<int>(cells.size()) ? cells[static_cast<std::size_t>(k)] : '0';
        row += ' ';
    }
    return row;
}

// A file whose first 22 lines are empty, so the lines after them are key lines only.
std::string AfterGrid(std::string_view keyLines) {
    return std::string(22, '\n') + std::string(keyLines);
}

template <typename Effect>
std::vector<Effect> All(const LevelReadResult& result) {
    std::vector<Effect> out;
    for (const LevelEffect& e : result.effects)
        if (const auto* p = std::get_if<Effect>(&e)) out.push_back(*p);
    return out;
}

std::vector<KeyRead> Keys(std::string_view keyLines) {
    const LevelReadResult result = ReadLevelText(AfterGrid(keyLines));
    EXPECT_TRUE(result.ok()) << result.error->reason;
    return All<KeyRead>(result);
}

template <typename Value>
Value OnlyValue(std::string_view keyLine) {
    const std::vector<KeyRead> keys = Keys(keyLine);
    EXPECT_EQ(keys.size(), 1u) << keyLine;
    if (keys.size() != 1) return Value{};
    const auto* value = std::get_if<Value>(&keys[0].value);
    EXPECT_NE(value, nullptr) << keyLine;
    return value ? *value : Value{};
}

TEST(LevelGrid, PlacesEachCodeAtItsCellAndNeverTheThirtyFirst) {
    const std::string codes = "S19AF*az|^.-<>+0#";
    std::string row = EditorRow(codes);
    row[60] = '|';  // a wall in the 31st cell
    const LevelReadResult result = ReadLevelText("\n" + row + "\r\n");
    ASSERT_TRUE(result.ok());
    const std::vector<LevelEffect> expected{
        StartPlaced{1, 10, 30},
        StartPlaced{2, 30, 30},
        StartPlaced{10, 50, 30},
        StartPlaced{11, 70, 30},
        StartPlaced{16, 90, 30},
        SpawnPointPlaced{110, 30},
        UserItemCellPlaced{140, 40, 'A'},
        UserItemCellPlaced{160, 40, 'Z'},
        WallPlaced{180, 40, WallKind::v},
        WallPlaced{200, 40, WallKind::h_t},
        WallPlaced{220, 40, WallKind::h_b},
        WallPlaced{240, 40, WallKind::h},
        WallPlaced{260, 40, WallKind::v_l},
        WallPlaced{280, 40, WallKind::v_r},
        WallPlaced{300, 40, WallKind::s},
    };
    EXPECT_EQ(result.effects, expected);
}

TEST(LevelGrid, BlanksCountColumnsAndLongTokensPlaceNothing) {
    // "||" is one token of two characters; two blanks in a row make an empty cell;
    // a tab is not a blank; the last character is never examined, even a code.
    const LevelReadResult result = ReadLevelText("|| |  +\t +\n");
    ASSERT_TRUE(result.ok());
    const std::vector<LevelEffect> expected{WallPlaced{40, 20, WallKind::v}};
    EXPECT_EQ(result.effects, expected);

    const LevelReadResult last = ReadLevelText("+  + \r\n");
    const std::vector<LevelEffect> first{WallPlaced{20, 20, WallKind::s}};
    EXPECT_EQ(last.effects, first) << "the blank that ends a line is never examined";
}

TEST(LevelGrid, OnlyTheFirstTwentyTwoLinesAreRows) {
    std::string text;
    for (int r = 1; r <= 23; ++r)
        text += "+ 0\n";
    const auto walls = All<WallPlaced>(ReadLevelText(text));
    ASSERT_EQ(walls.size(), 22u);
    EXPECT_EQ(walls.back(), (WallPlaced{20, 440, WallKind::s}));
}

TEST(LevelLineEnds, CrLfLfAndCrReadTheSame) {
    const std::string lines[] = {"S | * a 0", "numYellow= 3", "lvlName= Twin", "let:a=wall"};
    std::string crlf, lf, cr;
    for (const std::string& l : lines) {
        crlf += l + "\r\n";
        lf += l + "\n";
        cr += l + "\r";
    }
    const LevelReadResult expected = ReadLevelText(crlf);
    ASSERT_TRUE(expected.ok());
    EXPECT_EQ(ReadLevelText(lf).effects, expected.effects);
    EXPECT_EQ(ReadLevelText(cr).effects, expected.effects);
    // The numbers count lines the same way too: the failure is on line 3 each time.
    for (const char* end : {"\r\n", "\n", "\r"}) {
        const std::string text = std::string("x") + end + "y" + end + "numRed= 99999" + end;
        const LevelReadResult bad = ReadLevelText(text);
        ASSERT_FALSE(bad.ok());
        EXPECT_EQ(bad.error->line, 3);
    }
}

TEST(LevelKeys, MatchOnlyTheExactKeyAtTheStartOfALine) {
    EXPECT_TRUE(Keys("numyellow= 5\n numYellow= 5\n[Items]\n;numYellow= 5\n").empty());
    // A grid line is also a key line; its cells come first.
    const LevelReadResult both = ReadLevelText("numRed= + 5\n");
    const std::vector<LevelEffect> gridFirst{WallPlaced{40, 20, WallKind::s},
                                             KeyRead{LevelKey::numRed, std::int16_t{5}}};
    EXPECT_EQ(both.effects, gridFirst);
}

TEST(LevelKeys, FiveKeysSkipTheCharacterAfterTheEquals) {
    EXPECT_EQ(OnlyValue<std::string>("nextLvl= lvl2.dat"), "lvl2.dat");
    EXPECT_EQ(OnlyValue<std::string>("nextLvl=lvl2.dat"), "vl2.dat");
    EXPECT_EQ(OnlyValue<std::string>("lvlName=XThe  Maze "), "The  Maze ");
    EXPECT_EQ(OnlyValue<std::string>("lvlName="), "");
    EXPECT_EQ(OnlyValue<double>("Timeout=9120.5"), 120.5);
    EXPECT_EQ(OnlyValue<std::int32_t>("SnakeStrtX=300"), 0);
    EXPECT_EQ(OnlyValue<std::int32_t>("SnakeStrtY= 70000"), 70000);
    // Other keys keep the character.
    EXPECT_EQ(OnlyValue<std::int16_t>("numRed=7"), 7);
    EXPECT_EQ(OnlyValue<std::string>("MusicFile=song.mid"), "song.mid");
}

TEST(LevelKeys, ConvertEachValueAsItsTypeSays) {
    EXPECT_EQ(OnlyValue<std::int16_t>("numYellow= 2.5"), 2);
    EXPECT_EQ(OnlyValue<std::int16_t>("numYellow= 3.5"), 4);
    EXPECT_EQ(OnlyValue<std::int16_t>("reqScore= 1 5x0"), 15);
    EXPECT_EQ(OnlyValue<std::int16_t>("numTNT= none"), 0);
    EXPECT_EQ(OnlyValue<double>("reqYellow= 2.5"), 2.5);
    EXPECT_EQ(OnlyValue<double>("AIS= 3"), 3);
    EXPECT_FALSE(OnlyValue<bool>("HideCollected= True"));
    EXPECT_TRUE(OnlyValue<bool>("HideCollected=True"));
    EXPECT_FALSE(OnlyValue<bool>("hasOpenWalls=true"));
    EXPECT_TRUE(OnlyValue<bool>("increase= true "));
    EXPECT_FALSE(OnlyValue<bool>("increase=0"));
    EXPECT_EQ(OnlyValue<std::string>("BkgPic=   bkg 2.bmp "), "bkg 2.bmp ");
    EXPECT_EQ(OnlyValue<std::string>("Requires= bricks.zkr"), "bricks.zkr");
}

TEST(LevelUserItems, TakeTheFifthCharacterAndTheValueFromTheSeventh) {
    const LevelReadResult result =
        ReadLevelText(AfterGrid("let:a=wall\n"
                                "let:bXani_wall\n"  // the 6th character may be anything
                                "let:C=wall\n"      // upper-case letters never match
                                "let:d=\n"          // empty value
                                "set:z=bricks\\brick2_v.bmp\n"
                                "set:{=x.bmp\n"     // code 123 is still read
                                "set:\x85=y.bmp\n"  // 133, the highest
                                "set:\x86=z.bmp\n"  // 134 is ignored
                                "set:e\n"));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(All<UserItemTypeRead>(result),
              (std::vector<UserItemTypeRead>{{'A', "wall"}, {'B', "ani_wall"}}));
    EXPECT_EQ(All<UserItemGfxRead>(result),
              (std::vector<UserItemGfxRead>{
                  {'Z', "bricks\\brick2_v.bmp"}, {'{', "x.bmp"}, {'\x85', "y.bmp"}}));
    EXPECT_TRUE(All<KeyRead>(result).empty());
}

TEST(LevelFailures, BadValuesStopTheReadingAtTheirLine) {
    const LevelReadResult big =
        ReadLevelText(AfterGrid("numRed= 1\nnumYellow= 40000\nnumBlue= 1\n"));
    ASSERT_FALSE(big.ok());
    EXPECT_EQ(big.error->line, 24);
    EXPECT_NE(big.error->reason.find("numYellow="), std::string::npos);
    EXPECT_EQ(big.effects.size(), 1u) << "what was read before the failure stays";

    for (const std::string& line :
         {std::string("increase= maybe"), std::string("increase="),
          std::string("SnakeStrtX= 3000000000"), std::string("gSpeed= 32767.5"),
          std::string("gSpeed= -32769"), std::string("AIS= 32767"),
          "maxSpd= 1" + std::string(400, '0')}) {
        const LevelReadResult bad = ReadLevelText(AfterGrid(line));
        EXPECT_FALSE(bad.ok()) << line;
    }
    EXPECT_TRUE(ReadLevelText(AfterGrid("gSpeed= -32768.5\nAIS= 32766")).ok());
}

TEST(LevelFailures, TablesHoldOnlyTheirCapacity) {
    auto row = [](char code, int cells) {
        std::string s;
        for (int i = 0; i < cells; ++i)
            s += std::string(1, code) + " ";
        return s + "0\n";  // the last character is never examined
    };
    struct Case {
        char code;
        int capacity;
    };
    for (const Case c : {Case{'|', 681}, Case{'*', 300}, Case{'q', 681}}) {
        const std::string fits = row(c.code, c.capacity - 1) + row(c.code, 1);
        EXPECT_TRUE(ReadLevelText(fits).ok()) << c.code;
        const LevelReadResult full =
            ReadLevelText(row(c.code, c.capacity - 1) + "\n" + row(c.code, 2));
        ASSERT_FALSE(full.ok()) << c.code;
        EXPECT_EQ(full.error->line, 3);
        EXPECT_EQ(full.effects.size(), static_cast<std::size_t>(c.capacity));
    }
    std::string requiredLines;
    for (int i = 1; i <= 33; ++i)
        requiredLines += "Requires=f" + std::to_string(i) + ".zkr\n";
    const LevelReadResult files = ReadLevelText(AfterGrid(requiredLines));
    ASSERT_FALSE(files.ok());
    EXPECT_EQ(files.error->line, 22 + 33);
    EXPECT_EQ(files.effects.size(), 32u);
}

TEST(LevelFailures, ItemCountsAreCheckedWithTheLastLineOfEachKind) {
    EXPECT_TRUE(ReadLevelText(AfterGrid("numYellow= 301\nnumYellow= 300\n")).ok());
    const LevelReadResult over =
        ReadLevelText(AfterGrid("numPower= 999\nnumTNT= 301\nnumRed= 5\n"));
    ASSERT_FALSE(over.ok());
    EXPECT_EQ(over.error->line, 24) << "TNT is placed before power items";
    EXPECT_EQ(over.effects.size(), 3u) << "the whole file was read";
}

TEST(LevelFailures, CellsBeyondTheCoordinateRangeFail) {
    const std::string farCell = std::string(1638, ' ') + "+ 0\n";
    const LevelReadResult result = ReadLevelText(farCell);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error->line, 1);
    EXPECT_TRUE(ReadLevelText(std::string(1637, ' ') + "+ 0\n").ok());
}

TEST(LevelFile, IsReadWholeUnlessItIsNoLevelAtAll) {
    const TempFolder dir;
    const std::filesystem::path file = dir.path() / "lvl.dat";
    WriteBytes(file, "+ \r\nnumRed= 5\r\n");
    EXPECT_EQ(ReadLevelBytes(file), "+ \r\nnumRed= 5\r\n");
    EXPECT_EQ(ReadLevelBytes(dir.path()), std::nullopt);
    EXPECT_EQ(ReadLevelBytes(dir.path() / "missing.dat"), std::nullopt);
    std::filesystem::resize_file(file, kMaxLevelFileBytes + 1);  // sparse: no disk time
    EXPECT_EQ(ReadLevelBytes(file), std::nullopt) << "too large to be a level";
}

}  // namespace
}  // namespace zelkor
