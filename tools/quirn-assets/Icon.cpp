#include "Icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace quirn::assets {
namespace {

constexpr double kDesignSize = 48;
constexpr double kFirstDot = 4;
constexpr double kDotPitch = 10;
constexpr int kDots = 5;

QPointF dot(double col, double row) {
    return {kFirstDot + col * kDotPitch, kFirstDot + row * kDotPitch};
}

} // namespace

QImage renderIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kDesignSize, size / kDesignSize);

    // A loop that turns enough corners to read as a loop, not a box, leaving the top row
    // and left column of dots free so the grid still shows.
    QPainterPath loop;
    loop.moveTo(dot(1, 1));
    for (auto [c, r] : {std::pair{3, 1}, {3, 2}, {4, 2}, {4, 4}, {2, 4}, {2, 3}, {1, 3}})
        loop.lineTo(dot(c, r));
    loop.closeSubpath();
    p.fillPath(loop, QColor(0xC0, 0x20, 0x2A, 190));
    for (int row = 0; row < kDots; ++row) {
        for (int col = 0; col < kDots; ++col) {
            p.setPen(QPen(QColor(0, 0, 0, 170), 1.0));
            p.setBrush(QColor(0xE8, 0xE8, 0xE8));
            p.drawEllipse(dot(col, row), 1.8, 1.8);
        }
    }
    p.strokePath(loop, QPen(QColor(0, 0, 0, 190), 4.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(loop,
                 QPen(QColor(0xFF, 0xD2, 0x1A), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    return image;
}

} // namespace quirn::assets
