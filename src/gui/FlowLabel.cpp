#include "gui/FlowLabel.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace quirn::qt {
namespace {

constexpr int kSmallestType = 8;
constexpr int kGap = 4; // between a line's end and the obstacle beside it

FlowedText flowOnce(const QString& text, const QFont& font, QSize box,
                    const std::vector<QRect>& obstacles) {
    FlowedText flowed{font, {}, false};
    const qreal lineHeight = QFontMetricsF(font).height();
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    bool overflow = false;
    while (true) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) break;
        qreal width = box.width();
        for (const QRect& obstacle : obstacles)
            if (obstacle.top() < y + lineHeight && obstacle.bottom() >= y)
                width = std::min<qreal>(width, obstacle.left() - kGap);
        line.setLineWidth(std::max<qreal>(width, 1));
        line.setPosition(QPointF(0, y));
        // A word longer than the line runs past it; that does not fit either.
        overflow = overflow || line.naturalTextWidth() > width;
        flowed.lines.push_back({QPointF(0, y), line.naturalTextWidth(),
                                text.mid(line.textStart(), line.textLength()).trimmed()});
        y += lineHeight;
    }
    layout.endLayout();
    flowed.fits = !overflow && std::ceil(y) <= box.height();
    return flowed;
}

} // namespace

FlowedText flowText(const QString& text, QFont font, QSize box,
                    const std::vector<QRect>& obstacles) {
    int size = font.pixelSize() > 0 ? font.pixelSize() : qRound(QFontMetricsF(font).height());
    FlowedText flowed = flowOnce(text, font, box, obstacles);
    while (!flowed.fits && size > kSmallestType) {
        font.setPixelSize(--size);
        flowed = flowOnce(text, font, box, obstacles);
    }
    return flowed;
}

void FlowLabel::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    relayout();
}

void FlowLabel::setObstacles(std::vector<QRect> obstacles) {
    if (obstacles == obstacles_) return;
    obstacles_ = std::move(obstacles);
    relayout();
}

void FlowLabel::relayout() {
    flowed_ = flowText(text_, font(), size(), obstacles_);
    update();
}

void FlowLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) relayout();
    QWidget::changeEvent(event);
}

void FlowLabel::resizeEvent(QResizeEvent* event) {
    relayout();
    QWidget::resizeEvent(event);
}

void FlowLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(flowed_.font);
    painter.setPen(palette().color(QPalette::WindowText));
    const qreal ascent = QFontMetricsF(flowed_.font).ascent();
    for (const FlowedLine& line : flowed_.lines)
        painter.drawText(line.position + QPointF(0, ascent), line.text);
}

} // namespace quirn::qt
