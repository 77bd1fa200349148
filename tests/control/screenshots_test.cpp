#include "game/control/run/screenshots.h"

#include <gtest/gtest.h>

#include "tests/common/temp_folder.h"

namespace zelkor {
namespace {

std::tm Noon() {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 7;
    t.tm_hour = 12;
    t.tm_min = 5;
    t.tm_sec = 9;
    return t;
}

TEST(ScreenshotFile, NamedByDateAndTimeAndNeverAnOlderShot) {
    const TempFolder folder;
    const auto first = ScreenshotFile(folder.path(), Noon());
    EXPECT_EQ(first, folder.path() / "Zelkor 2026-12-07 12-05-09.png");
    // Taken names get a number; so does a folder or a dangling link of that name.
    WriteBytes(first, "older shot");
    std::filesystem::create_directory(folder.path() / "Zelkor 2026-12-07 12-05-09 (2).png");
    std::filesystem::create_symlink(folder.path() / "nowhere",
                                    folder.path() / "Zelkor 2026-12-07 12-05-09 (3).png");
    EXPECT_EQ(ScreenshotFile(folder.path(), Noon()),
              folder.path() / "Zelkor 2026-12-07 12-05-09 (4).png");
    EXPECT_EQ(ReadBytes(first), "older shot");
}

TEST(ShownPath, TheHomeFolderIsWrittenAsATilde) {
    EXPECT_EQ(ShownPath("/home/ann/Pictures/a.png", "/home/ann"), "~/Pictures/a.png");
    EXPECT_EQ(ShownPath("/home/anna/a.png", "/home/ann"), "/home/anna/a.png");
    EXPECT_EQ(ShownPath("/tmp/a.png", ""), "/tmp/a.png");
    EXPECT_EQ(ShownPath("/tmp/a.png", "/"), "/tmp/a.png");
}

}  // namespace
}  // namespace zelkor
