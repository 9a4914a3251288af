// Draws what lies behind the window's controls, back to front: the board picture, the
// labels behind the board, the clue squares and the shown segments.
#pragma once

#include "core/app/Form1.h"
#include "gui/PictureCache.h"

#include <QPainter>
#include <QRect>
#include <QRegion>
#include <QSize>

namespace quirn::qt {

inline const QString kBoardResource = QStringLiteral(":/art/board.png");

// Where the board picture is decoded to, in device pixels: the size it is stretched to,
// and the part of it inside the board, which alone is kept.
struct PictureFrame {
    QSize size;
    QRect keep;
};
PictureFrame boardPictureFrame(const WindowModel& model, qreal ratio);

// Paints the parts of the board that meet region (device pixels of the board widget).
void paintBoard(QPainter& painter, const Form1& form, PictureCache& pictures,
                const QRegion& region);

// The colours one segment is drawn with; fill or frame may be absent (transparent).
struct SegmentLook {
    QColor fill;
    QColor frame;
};
SegmentLook segmentLook(const Segment& segment, const QColor& themeText, const QPalette& palette);

// The colour the unmarked segments' frames take from the theme's clue colour.
QColor themeTextColour(const Form1& form, const QPalette& palette);

} // namespace quirn::qt
