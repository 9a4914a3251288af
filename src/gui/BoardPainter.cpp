#include "gui/BoardPainter.h"

#include "core/board/Lattice.h"
#include "gui/Look.h"

#include <QApplication>

namespace quirn::qt {
namespace {

void paintPicture(QPainter& painter, const WindowModel& model, PictureCache& pictures,
                  const QRegion& region) {
    const Control& image = model[ControlId::Image1];
    const QRect target = pixelRect(image);
    const qreal ratio = painter.device()->devicePixelRatioF();
    const PictureFrame frame = boardPictureFrame(model, ratio);
    const PackedPicture& part =
        pictures.part(ControlId::Image1, image.picture, kBoardResource, frame.size, frame.keep);
    if (part.isNull()) {
        painter.fillRect(target, kPictureFallback);
        return;
    }
    const QRectF shown(QPointF(target.topLeft()) + QPointF(frame.keep.topLeft()) / ratio,
                       QSizeF(part.size()) / ratio);
    part.draw(painter, shown, ratio, region);
}

void paintLabel(QPainter& painter, const Control& label, const QPalette& palette) {
    const QRect rect = pixelRect(label);
    if (!label.transparent)
        painter.fillRect(rect, colourOr(label.backColor, palette, QPalette::Window));
    const QColor text = colourOr(label.foreColor, palette, QPalette::WindowText);
    if (label.framed) {
        painter.setPen(text);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    painter.setPen(text);
    painter.setFont(fontOf(label.font));
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     fromGameText(label.caption));
}

void paintSquares(QPainter& painter, const WindowModel& model, const QPalette& palette,
                  const QRegion& region) {
    painter.setFont(fontOf(Font{"Arial", 24, false}));
    for (int i = 0; i < kSquareCount; ++i) {
        const Square& square = model.squares[i];
        if (square.clue.empty()) continue;
        const QRect rect = pixelRect(squareRect(i));
        if (!region.intersects(rect)) continue;
        painter.setPen(colourOf(square.textColour, palette));
        painter.drawText(rect, Qt::AlignCenter, fromGameText(square.clue));
    }
}

// A one-pixel frame as four fills: a translucent stroked rectangle costs the raster
// engine many times more.
void fillFrame(QPainter& painter, const QRect& rect, const QColor& colour) {
    const int w = rect.width();
    const int h = rect.height();
    if (w <= 2 || h <= 2) {
        painter.fillRect(rect, colour);
        return;
    }
    painter.fillRect(rect.x(), rect.y(), w, 1, colour);
    painter.fillRect(rect.x(), rect.bottom(), w, 1, colour);
    painter.fillRect(rect.x(), rect.y() + 1, 1, h - 2, colour);
    painter.fillRect(rect.right(), rect.y() + 1, 1, h - 2, colour);
}

void paintSegments(QPainter& painter, const WindowModel& model, const QColor& themeText,
                   const QPalette& palette, const QRegion& region) {
    const auto& order = segmentsFrontToBack();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const Segment& segment = model.segments[*it];
        if (!segment.shown) continue;
        const QRect rect = pixelRect(segmentRect(*it));
        if (!region.intersects(rect)) continue;
        const SegmentLook look = segmentLook(segment, themeText, palette);
        if (look.fill.isValid()) painter.fillRect(rect, look.fill);
        if (look.frame.isValid()) fillFrame(painter, rect, look.frame);
    }
}

} // namespace

SegmentLook segmentLook(const Segment& segment, const QColor& themeText, const QPalette& palette) {
    SegmentLook look;
    if (segment.marked || segment.silver) {
        look.fill = colourOf(segment.silver ? kSilver : segment.colour, palette);
        if (segment.outlined) {
            // A frame set off from the line's own colour, so it shows on any line.
            look.frame = contrastOf(look.fill);
            look.frame.setAlpha(150);
        }
    } else if (segment.outlined) {
        look.frame = themeText;
        look.frame.setAlpha(170);
    }
    return look;
}

PictureFrame boardPictureFrame(const WindowModel& model, qreal ratio) {
    const QRect target = pixelRect(model[ControlId::Image1]);
    const QRect board(0, 0, pixels(clientWidth(model)), pixels(clientHeight(model)));
    const auto device = [ratio](const QRect& r) {
        return QRect((QPointF(r.topLeft()) * ratio).toPoint(), r.size() * ratio);
    };
    const QRect picture = device(target);
    return {picture.size(), (device(board) & picture).translated(-picture.topLeft())};
}

// The lattice frame follows the theme's clue colour, which was picked to stand out from
// the theme's picture.
QColor themeTextColour(const Form1& form, const QPalette& palette) {
    return colourOf(colourFromText(form.state.textColour), palette);
}

void paintBoard(QPainter& painter, const Form1& form, PictureCache& pictures,
                const QRegion& region) {
    const WindowModel& model = form.model;
    const QPalette palette = QApplication::palette();
    // Image1 lies behind everything, then the labels in front of it, back to front.
    for (int i = kControlCount - 1; i >= static_cast<int>(kFirstBehindBoard); --i) {
        const auto id = static_cast<ControlId>(i);
        if (!model.showing(id)) continue;
        const Control& control = model[id];
        if (!region.intersects(pixelRect(control))) continue;
        if (control.kind == ControlKind::Picture)
            paintPicture(painter, model, pictures, region);
        else if (control.kind == ControlKind::Label)
            paintLabel(painter, control, palette);
    }
    paintSquares(painter, model, palette, region);
    paintSegments(painter, model, themeTextColour(form, palette), palette, region);
}

} // namespace quirn::qt
