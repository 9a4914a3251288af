#include "gui/FaceButton.h"

#include <QPainter>

namespace quirn::qt {

void FaceButton::setFace(std::optional<QColor> face, QColor caption) {
    if (face == face_ && caption == caption_) return;
    face_ = face;
    caption_ = caption;
    update();
}

QColor FaceButton::disabledCaption(const QColor& face, const QColor& caption) {
    const auto mix = [](int a, int b) { return a + (b - a) / 3; };
    return QColor(mix(caption.red(), face.red()), mix(caption.green(), face.green()),
                  mix(caption.blue(), face.blue()));
}

void FaceButton::paintEvent(QPaintEvent* event) {
    if (!face_) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect all = rect();
    painter.fillRect(all, *face_);
    // A raised edge: light above and left, dark below and right; swapped while pressed.
    const QColor light = face_->lightness() > 200 ? face_->darker(115) : face_->lighter(170);
    const QColor dark = face_->lightness() < 40 ? QColor(110, 110, 110) : face_->darker(220);
    const bool down = isDown();
    const QColor topLeft = down ? dark : light;
    const QColor bottomRight = down ? light : dark;
    painter.fillRect(all.left(), all.top(), all.width(), 1, topLeft);
    painter.fillRect(all.left(), all.top(), 1, all.height(), topLeft);
    painter.fillRect(all.left(), all.bottom(), all.width(), 1, bottomRight);
    painter.fillRect(all.right(), all.top(), 1, all.height(), bottomRight);

    painter.setFont(font());
    painter.setPen(isEnabled() ? caption_ : disabledCaption(*face_, caption_));
    const QRect textRect = all.translated(down ? 1 : 0, down ? 1 : 0);
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        QPen pen(caption_, 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(all.adjusted(3, 3, -4, -4));
    }
}

} // namespace quirn::qt
