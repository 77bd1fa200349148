#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zelkor::editor {

// Where a tool window goes: right of the main window, its top level with the main
// window's top. Where the screen's free room (`room`) ends first, it moves left and up
// as far as it must to be seen whole, over the main window if need be.
QPoint ToolWindowPlace(const QRect& mainFrame, const QSize& toolFrame, const QRect& room);

}  // namespace zelkor::editor
