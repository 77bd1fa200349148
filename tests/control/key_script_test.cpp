#include "game/control/headless/key_script.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace zelkor {
namespace {

using Event = std::tuple<std::int64_t, int, bool>;

std::vector<Event> Events(const KeyScript& script) {
    std::vector<Event> events;
    for (const ScriptedKeyboard::Change& c : script.changes)
        events.emplace_back(c.time, c.code, c.pressed);
    return events;
}

TEST(KeyScript, ReadsEventsAroundCommentsBlankLinesAndWindowsLineEnds) {
    const KeyScript script = ParseKeyScript(
        "# F1 closes the information screen\r\n"
        "500 59 1\r\n"
        "\r\n"
        "  # indented comment\n"
        "\t540\t59 0  \n"
        "900 200 1");  // no line end after the last event
    ASSERT_FALSE(script.error) << *script.error;
    EXPECT_EQ(Events(script),
              (std::vector<Event>{{500, 59, true}, {540, 59, false}, {900, 200, true}}));
    EXPECT_TRUE(ParseKeyScript("").changes.empty());
}

TEST(KeyScript, ABrokenLineIsReportedWithItsNumber) {
    for (const char* bad : {"0 256 1", "0 -1 1", "-5 28 1", "0 28 2", "0 28", "0 28 1 1",
                            "0 28 yes", "1.5 28 1", "0x10 28 1", "0 28 1 # note"}) {
        const KeyScript script = ParseKeyScript(std::string("# ok\n10 28 1\n") + bad + "\n");
        ASSERT_TRUE(script.error) << bad;
        EXPECT_TRUE(script.error->starts_with("line 3:")) << *script.error;
    }
    EXPECT_FALSE(ParseKeyScript("0 0 0\n0 255 1\n").error);
}

}  // namespace
}  // namespace zelkor
