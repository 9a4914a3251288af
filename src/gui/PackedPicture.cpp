#include "gui/PackedPicture.h"

namespace quirn::qt {
PackedPicture::PackedPicture(QImage image, const QRect& keep)
    : image_(std::move(image)), keep_(keep.isNull() ? image_.rect() : keep & image_.rect()),
      size_(keep_.size()) {
    // 32 bits a pixel, which the window's own pixels are in: drawing is a plain copy, and
    // a tile needs no colour table.
    const QImage::Format format =
        image_.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    if (!image_.isNull() && image_.format() != format) image_.convertTo(format);
    format_ = image_.format();
    if (size_.isEmpty()) image_ = QImage();
}

QRect PackedPicture::tileRect(int index) const {
    const QRect tile((index % columns()) * kTileWidth, (index / columns()) * kTileHeight,
                     kTileWidth, kTileHeight);
    return tile & QRect(QPoint(0, 0), size_);
}

bool PackedPicture::packRow() {
    if (image_.isNull()) return true;
    const int row = static_cast<int>(tiles_.size()) / columns();
    for (int column = 0; column < columns(); ++column) {
        const QImage tile =
            image_.copy(tileRect(row * columns() + column).translated(keep_.topLeft()));
        const QByteArray packed = qCompress(tile.constBits(), static_cast<int>(tile.sizeInBytes()));
        // Copied to its own size: the compressor's buffer has room for the worst case.
        tiles_.emplace_back(packed.constData(), packed.size());
    }
    if (row + 1 < rows()) return false;
    image_ = QImage();
    return true;
}

void PackedPicture::draw(QPainter& painter, const QRectF& target, qreal ratio,
                         const QRegion& region) const {
    if (!image_.isNull()) {
        painter.drawImage(target, image_, QRectF(keep_));
        return;
    }
    for (int i = 0; i < static_cast<int>(tiles_.size()); ++i) {
        const QRect tile = tileRect(i);
        const QRectF shown(target.topLeft() + QPointF(tile.topLeft()) / ratio,
                           QSizeF(tile.size()) / ratio);
        if (!region.intersects(shown.toAlignedRect())) continue;
        const QByteArray pixels = qUncompress(tiles_[static_cast<std::size_t>(i)]);
        const qsizetype stride = qsizetype(tile.width()) * 4;
        // A damaged tile is left undrawn rather than read past its end.
        if (pixels.size() < stride * tile.height()) continue;
        const QImage view(reinterpret_cast<const uchar*>(pixels.constData()), tile.width(),
                          tile.height(), stride, format_);
        painter.drawImage(shown, view, QRectF(view.rect()));
    }
}

} // namespace quirn::qt
