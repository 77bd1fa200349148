// The user-item and required-file tables behind their windows.
#include <gtest/gtest.h>

#include "editor/core/user_items.h"

namespace zelkor::editor {
namespace {

TEST(UserItemSlots, LettersFollowTheSlotsAndAreReusedLowestFirst) {
    UserItems items;
    for (char letter = 'a'; letter <= 'z'; ++letter)
        EXPECT_EQ(items.Add({"wall", "b.bmp"}), letter);
    EXPECT_FALSE(items.Add({"wall", "b.bmp"})) << "a 27th item has no letter";
    EXPECT_EQ(items.Entries().front(), "a: wall: b.bmp");

    items.Remove("c: wall: b.bmp");
    items.Remove("a: wall: b.bmp");
    items.Remove("b: something else");  // no entry of that text: nothing goes
    EXPECT_EQ(items.Entries().size(), 24u);
    EXPECT_EQ(items.Add({"ani_wall", "x"}), 'a');
    EXPECT_EQ(items.Add({"", ""}), 'c');
    EXPECT_EQ(items.Entries()[2], "c");
    EXPECT_EQ(UserItems::LetterOfEntry("q: wall: x"), 'q');
    EXPECT_FALSE(UserItems::LetterOfEntry(": wall"));
}

TEST(RequiredFileSlots, HoldThirtyTwoNamesAndRemoveEveryCopy) {
    RequiredFiles files;
    EXPECT_EQ(files.Add(""), RequiredFiles::AddResult::Empty);
    EXPECT_TRUE(files.Entries().empty());
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(files.Add(i % 2 ? "bricks.zkr" : "bkg.zkr"), RequiredFiles::AddResult::Added);
    EXPECT_EQ(files.Add("x.zkr"), RequiredFiles::AddResult::Full);
    EXPECT_EQ(files.Add(""), RequiredFiles::AddResult::Full) << "the full table is said first";
    files.Remove("bkg.zkr");
    EXPECT_EQ(files.Entries(), std::vector<std::string>(16, "bricks.zkr"));
    EXPECT_EQ(files.Add("x.zkr"), RequiredFiles::AddResult::Added);
    EXPECT_EQ(files.Entries().front(), "x.zkr") << "the first free slot";
}

}  // namespace
}  // namespace zelkor::editor
