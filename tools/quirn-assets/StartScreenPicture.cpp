#include "StartScreenPicture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <array>

namespace quirn::assets {
namespace {

constexpr int kCols = 5;
constexpr int kRows = 6;
// The game's proportions: pitch 960, square 735, segment 255 thick.
constexpr double kPitch = 96;
constexpr double kSquare = kPitch * 735 / 960;
constexpr double kThick = kPitch * 255 / 960;
constexpr double kMargin = kPitch / 2;

const QColor kYellow(0xFF, 0xE0, 0x20);

// The squares inside the pictured loop; the loop is their outline, so it is one closed
// loop and the clue digits below agree with it.
constexpr std::array<std::array<bool, kCols>, kRows> kInside{{
    {false, true, true, false, false},
    {false, true, true, true, false},
    {true, true, false, true, false},
    {true, false, false, true, true},
    {false, false, false, true, true},
    {false, false, false, false, false},
}};

bool inside(int col, int row) {
    return col >= 0 && row >= 0 && col < kCols && row < kRows && kInside[row][col];
}

int clueOf(int col, int row) {
    const bool in = inside(col, row);
    return (inside(col - 1, row) != in) + (inside(col + 1, row) != in) +
           (inside(col, row - 1) != in) + (inside(col, row + 1) != in);
}

// Segment from dot (col, row) rightwards or downwards, in flat board coordinates.
QRectF segmentRect(int col, int row, bool horizontal) {
    const QPointF a(kMargin + col * kPitch, kMargin + row * kPitch);
    const double half = kThick / 2;
    return horizontal ? QRectF(a.x() - half, a.y() - half, kPitch + kThick, kThick)
                      : QRectF(a.x() - half, a.y() - half, kThick, kPitch + kThick);
}

bool onLoop(int col, int row, bool horizontal) {
    return horizontal ? inside(col, row - 1) != inside(col, row)
                      : inside(col - 1, row) != inside(col, row);
}

// Segments the player has crossed out with the right button in the picture.
constexpr std::array<std::array<int, 3>, 3> kOutlined{{{1, 4, 0}, {2, 4, 1}, {2, 3, 0}}};

QImage renderFlatBoard() {
    const QSize size(static_cast<int>(2 * kMargin + kCols * kPitch),
                     static_cast<int>(2 * kMargin + kRows * kPitch));
    QImage board(size, QImage::Format_ARGB32_Premultiplied);
    board.fill(QColor(0x16, 0x05, 0x05));
    QPainter p(&board);
    p.setRenderHint(QPainter::Antialiasing);

    QFont digitFont("DejaVu Sans");
    digitFont.setBold(true);
    digitFont.setPixelSize(static_cast<int>(kSquare * 0.62));
    p.setFont(digitFont);
    for (int row = 0; row < kRows; ++row) {
        for (int col = 0; col < kCols; ++col) {
            const QRectF sq(kMargin + col * kPitch + (kPitch - kSquare) / 2,
                            kMargin + row * kPitch + (kPitch - kSquare) / 2, kSquare, kSquare);
            QLinearGradient fill(sq.topLeft(), sq.bottomRight());
            fill.setColorAt(0, QColor(0xC8, 0x22, 0x1E));
            fill.setColorAt(1, QColor(0x86, 0x0E, 0x0E));
            p.setPen(Qt::NoPen);
            p.setBrush(fill);
            p.drawRoundedRect(sq, 6, 6);
            // A sprinkling of clues, as in a real level: most squares say nothing.
            if ((col * 7 + row * 3) % 5 < 3) {
                p.setPen(Qt::white);
                p.drawText(sq, Qt::AlignCenter, QString::number(clueOf(col, row)));
            }
        }
    }

    // The loop drawn so far: every loop segment in the upper four rows of dots.
    p.setPen(QPen(QColor(0x60, 0x40, 0x00), 2));
    p.setBrush(kYellow);
    for (int row = 0; row <= kRows; ++row) {
        for (int col = 0; col <= kCols; ++col) {
            if (col < kCols && row <= 3 && onLoop(col, row, true))
                p.drawRoundedRect(segmentRect(col, row, true), kThick / 2, kThick / 2);
            if (row < kRows && row <= 2 && onLoop(col, row, false))
                p.drawRoundedRect(segmentRect(col, row, false), kThick / 2, kThick / 2);
        }
    }
    p.setPen(QPen(kYellow, 3));
    p.setBrush(Qt::NoBrush);
    for (const auto& [col, row, horizontal] : kOutlined)
        p.drawRoundedRect(segmentRect(col, row, horizontal != 0), kThick / 2, kThick / 2);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD8, 0xD8, 0xD8));
    for (int row = 0; row <= kRows; ++row)
        for (int col = 0; col <= kCols; ++col)
            p.drawEllipse(QPointF(kMargin + col * kPitch, kMargin + row * kPitch), 4.5, 4.5);
    return board;
}

void drawCallout(QPainter& p, const QRectF& box, const QPointF& target, const QString& text) {
    const QPointF from(std::clamp(target.x(), box.left() + 8, box.right() - 8),
                       target.y() > box.bottom() ? box.bottom() : box.top());
    p.setPen(QPen(kYellow, 1.4));
    p.drawLine(from, target);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(target, 3.2, 3.2);
    p.setPen(QPen(QColor(kYellow.red(), kYellow.green(), kYellow.blue(), 200), 1));
    p.setBrush(QColor(0x0C, 0x0C, 0x0C, 235));
    p.drawRoundedRect(box, 5, 5);
    p.setPen(kYellow);
    p.drawText(box.adjusted(6, 4, -6, -4), Qt::AlignCenter | Qt::TextWordWrap, text);
}

QRectF fitBox(const QFontMetricsF& metrics, const QPointF& topLeft, double width,
              const QString& text) {
    const QRectF textRect = metrics.boundingRect(QRectF(0, 0, width - 12, 200),
                                                 Qt::AlignCenter | Qt::TextWordWrap, text);
    return {topLeft, QSizeF(width, textRect.height() + 9)};
}

} // namespace

QImage renderStartScreen() {
    QImage image(kStartWidth, kStartHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QImage flat = renderFlatBoard();
    const double boardBottom = kStartHeight - kStartBlackRows - 4;
    const double w = flat.width();
    const double h = flat.height();
    const QPolygonF from({QPointF(0, 0), QPointF(w, 0), QPointF(w, h), QPointF(0, h)});
    const QPolygonF to(
        {QPointF(58, 14), QPointF(226, 14), QPointF(282, boardBottom), QPointF(-30, boardBottom)});
    QTransform perspective;
    if (!QTransform::quadToQuad(from, to, perspective)) return {};
    p.save();
    p.setTransform(perspective);
    p.drawImage(QPointF(0, 0), flat);
    p.restore();

    // The far edge fades into the dark, which sells the depth.
    QLinearGradient haze(0, 0, 0, 90);
    haze.setColorAt(0, QColor(0, 0, 0, 235));
    haze.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, 0, kStartWidth, 90), haze);

    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(10);
    p.setFont(font);
    const QFontMetricsF metrics(font);

    const QString left = "Left click: draws a segment of the loop";
    const QString right = "Right click: marks a section you think has no loop";
    const QPointF leftTarget = perspective.map(segmentRect(3, 1, false).center());
    const QPointF rightTarget = perspective.map(segmentRect(2, 4, true).center());
    drawCallout(p, fitBox(metrics, QPointF(6, 6), 128, left), leftTarget, left);
    drawCallout(p, fitBox(metrics, QPointF(108, 218), 141, right), rightTarget, right);

    p.fillRect(0, kStartHeight - kStartBlackRows, kStartWidth, kStartBlackRows, Qt::black);
    p.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace quirn::assets
