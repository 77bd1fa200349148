#include "editor/ui/tool_pictures.h"

#include <QPainter>
#include <QString>

namespace zelkor::editor {
namespace {

constexpr std::array<const char*, kToolPictureCount> kNames{
    "single_brick",        "vertical_wall",   "vertical_wall_end",
    "vertical_wall_start", "horizontal_wall", "horizontal_wall_start",
    "horizontal_wall_end", "start_point",     "nothing",
    "fix_point",           "blank_tile"};

const QColor kBlank(20, 24, 36);
const QColor kBrick(178, 64, 48);

// A plain picture for a build without the generated art: the same shapes, flat.
QPixmap StandIn(ToolPicture picture) {
    QPixmap pixmap(ToolPictures::kSize, ToolPictures::kSize);
    pixmap.fill(kBlank);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const auto wall = [&](QRectF r) { p.fillRect(r, kBrick); };
    switch (picture) {
        case ToolPicture::SingleBrick:
            wall({2, 2, 16, 16});
            break;
        case ToolPicture::VerticalWall:
            wall({4, 0, 12, 20});
            break;
        case ToolPicture::VerticalWallStart:
            wall({4, 3, 12, 17});
            break;
        case ToolPicture::VerticalWallEnd:
            wall({4, 0, 12, 17});
            break;
        case ToolPicture::HorizontalWall:
            wall({0, 4, 20, 12});
            break;
        case ToolPicture::HorizontalWallStart:
            wall({3, 4, 17, 12});
            break;
        case ToolPicture::HorizontalWallEnd:
            wall({0, 4, 17, 12});
            break;
        case ToolPicture::StartPoint:
            p.setPen(QPen(QColor(90, 220, 80), 3));
            p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
            break;
        case ToolPicture::Nothing:
            p.setPen(QPen(QColor(220, 60, 50), 2.5));
            p.drawLine(QPointF(5, 5), QPointF(15, 15));
            p.drawLine(QPointF(15, 5), QPointF(5, 15));
            break;
        case ToolPicture::FixPoint:
            p.setPen(QPen(QColor(250, 220, 70), 1.5));
            p.drawEllipse(QPointF(10, 10), 5.5, 5.5);
            p.drawLine(QPointF(10, 2), QPointF(10, 18));
            p.drawLine(QPointF(2, 10), QPointF(18, 10));
            break;
        case ToolPicture::BlankTile:
            break;
    }
    return pixmap;
}

}  // namespace

ToolPictures::ToolPictures() {
    for (int i = 0; i < kToolPictureCount; ++i) {
        const auto picture = static_cast<ToolPicture>(i);
        QPixmap pixmap(QString(":/editor/%1.bmp").arg(kNames[static_cast<std::size_t>(i)]));
        if (pixmap.isNull() || pixmap.width() != kSize || pixmap.height() != kSize) {
            pixmap = StandIn(picture);
            embedded_ = false;
        }
        pictures_[static_cast<std::size_t>(i)] = pixmap;
    }
}

const QPixmap& ToolPictures::Picture(ToolPicture picture) const {
    return pictures_.at(static_cast<std::size_t>(picture));
}

}  // namespace zelkor::editor
