// A picture that is drawn in parts again and again, held compressed once it has been
// packed: tiles of 64 x 16 pixels, each compressed on its own and unpacked only while
// a part of it is drawn. The game's smooth pictures pack to about a fifth of their size.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <vector>

namespace quirn::qt {

class PackedPicture {
  public:
    PackedPicture() = default;
    // The part keep of image (all of it when keep is null), held as it is until packed.
    PackedPicture(QImage image, const QRect& keep);

    bool isNull() const { return size_.isEmpty(); }
    QSize size() const { return size_; }
    bool packed() const { return !isNull() && image_.isNull(); }

    // Packs the next row of tiles; once the last one is packed the picture lets go of
    // its unpacked pixels. True when nothing is left to pack.
    bool packRow();

    // Draws the part's pixels 1:1 into target (logical coordinates, ratio device pixels
    // each), only where target meets region.
    void draw(QPainter& painter, const QRectF& target, qreal ratio, const QRegion& region) const;

  private:
    static constexpr int kTileWidth = 64;
    static constexpr int kTileHeight = 16;
    int columns() const { return (size_.width() + kTileWidth - 1) / kTileWidth; }
    int rows() const { return (size_.height() + kTileHeight - 1) / kTileHeight; }
    QRect tileRect(int index) const;

    QImage image_;
    QRect keep_;
    QSize size_;
    QImage::Format format_ = QImage::Format_Invalid;
    std::vector<QByteArray> tiles_; // row by row, then column by column
};

} // namespace quirn::qt
