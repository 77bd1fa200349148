#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "editor/core/editor_level.h"

namespace zelkor::editor {

// "Test Level": the level is saved as "EditTemp.dat" in the game's lvl folder and the
// game is started on it with the chosen number of computer snakes and modes.

inline constexpr std::string_view kTestLevelName = "EditTemp.dat";

// Where the test level goes: the game folder's "lvl/EditTemp.dat".
std::filesystem::path TestLevelPath(const std::filesystem::path& gameFolder);

// The test-run options of the main window.
struct TestRunOptions {
    bool gameProgramSet = false;  // the game path is not empty
    int computerSnakes = 0;       // the number chosen, 0 for none
    bool deathmatch = false;
    bool hunting = false;
    bool window = false;  // play in a window instead of full screen
    // "Continue?" was answered Yes: the test goes on with fewer computer snakes.
    bool fewerAccepted = false;
};

// The test run does not happen; the message says why (critical icon).
struct TestRunRefusal {
    std::string message;
    // The test level is written before the refusal: the level has no computer start
    // point for the computer snakes asked for.
    bool afterWriting = false;
};

// A Yes/No question, asked after the test level is written; Yes asks again with
// `fewerAccepted`.
struct TestRunQuestion {
    std::string text;
};

// Write the test level and start the game with these arguments, one switch each.
struct TestRunStart {
    std::vector<std::string> arguments;
};

using TestRunDecision = std::variant<TestRunRefusal, TestRunQuestion, TestRunStart>;

// What "Test Level" does with `level`: the level needs the first player's start point,
// a game program, and to be readable by the game; computer snakes need computer start
// points, and fewer of them than asked for are used only after a question.
TestRunDecision DecideTestRun(const EditorLevel& level, const TestRunOptions& options);

}  // namespace zelkor::editor
