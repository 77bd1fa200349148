#include "editor/ui/tool_window_place.h"

#include <algorithm>

namespace zelkor::editor {

QPoint ToolWindowPlace(const QRect& mainFrame, const QSize& toolFrame, const QRect& room) {
    QPoint at(mainFrame.x() + mainFrame.width(), mainFrame.y());
    if (room.isEmpty()) return at;
    const int lastX = room.x() + room.width() - toolFrame.width();
    const int lastY = room.y() + room.height() - toolFrame.height();
    at.setX(std::max(room.x(), std::min(at.x(), lastX)));
    at.setY(std::max(room.y(), std::min(at.y(), lastY)));
    return at;
}

}  // namespace zelkor::editor
