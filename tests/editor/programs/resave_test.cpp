// Levels through both programs: what the editor writes, the game reads as drawn, and a
// level resaved by the editor reads in the game exactly as before.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "editor/core/level_writer.h"
#include "tests/common/temp_folder.h"

namespace zelkor::editor {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

const fs::path kDist = ZELKOR_DIST_DIR;
const fs::path kShippedLevels = fs::path(ZELKOR_SOURCE_DIR) / "content" / "lvl";

struct Ran {
    int status = -1;
    std::string out;
};

std::string Quoted(const fs::path& path) {
    std::string quoted = "'";
    for (char c : path.string())
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

Ran RunCommand(const std::string& command) {
    Ran ran;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return ran;
    std::array<char, 4096> buffer{};
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        ran.out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    ran.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return ran;
}

class Programs : public ::testing::Test {
protected:
    Ran Resave(const fs::path& in, const fs::path& out) const {
        return RunCommand(Quoted(kDist / "ZelkorLvlEdit") + " --settings " +
                          Quoted(folder_.path() / "settings.ini") + " --resave " + Quoted(in) +
                          " " + Quoted(out));
    }
    Json CheckLevel(const fs::path& level) const {
        const Ran ran = RunCommand(Quoted(kDist / "Zelkor") + " --game-dir " + Quoted(kDist) +
                                   " --check-level " + Quoted(level));
        EXPECT_EQ(ran.status, 0) << level << "\n" << ran.out;
        return Json::parse(ran.out, nullptr, false);
    }
    fs::path File(const std::string& name) const { return folder_.path() / name; }

    TempFolder folder_;
};

// That every shipped level keeps its bytes through a resave is the content tests'; here
// the programs themselves: `--resave` on a level with user items and required archives,
// and `--check-level` on what it wrote.
TEST_F(Programs, AShippedLevelResavedReadsTheSameInTheGame) {
    const fs::path in = kShippedLevels / "lvl16.dat";
    const Ran resaved = Resave(in, File("lvl16.dat"));
    ASSERT_EQ(resaved.status, 0) << resaved.out;
    const Json read = CheckLevel(File("lvl16.dat"));
    EXPECT_EQ(read, CheckLevel(in));
    EXPECT_FALSE(read["userItems"].empty());
}

TEST_F(Programs, AFailedResaveSaysWhyAndWritesNothing) {
    const Ran missing = Resave(File("none.dat"), File("out.dat"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.out.find("Could not load! Err: 2"), std::string::npos) << missing.out;
    EXPECT_FALSE(fs::exists(File("out.dat")));
    const Ran usage = RunCommand(Quoted(kDist / "ZelkorLvlEdit") + " --resave only-one.dat");
    EXPECT_EQ(usage.status, 2);
}

}  // namespace
}  // namespace zelkor::editor
