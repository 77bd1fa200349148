// Runs one suite of the editor's window tests, named on the command line, or all.
#include <QApplication>
#include <QTest>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "tests/editor/ui/suites.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    using Factory = std::function<std::unique_ptr<QObject>()>;
    const std::vector<std::pair<const char*, Factory>> suites{
        {"Canvas", zelkor::editor::testing::MakeCanvasTests},
        {"ToolWindows", zelkor::editor::testing::MakeToolWindowTests},
        {"Files", zelkor::editor::testing::MakeFileTests},
        {"Shell", zelkor::editor::testing::MakeShellTests},
    };
    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    // A crash ends the run at once instead of waiting on a debugger for its stack.
    char noCrashHandler[] = "-nocrashhandler";
    char* testArgs[] = {argv[0], noCrashHandler};
    int failed = 0;
    for (const auto& [name, make] : suites) {
        if (only && std::strcmp(only, name) != 0) continue;
        const std::unique_ptr<QObject> suite = make();
        failed += QTest::qExec(suite.get(), 2, testArgs);
    }
    return failed == 0 ? 0 : 1;
}
