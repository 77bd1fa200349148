#pragma once

#include <QObject>
#include <memory>

namespace zelkor::editor::testing {

std::unique_ptr<QObject> MakeCanvasTests();
std::unique_ptr<QObject> MakeToolWindowTests();
std::unique_ptr<QObject> MakeFileTests();
std::unique_ptr<QObject> MakeShellTests();

}  // namespace zelkor::editor::testing
