// A packed picture draws exactly the pixels of the part it keeps, packed or not, and
// touches nothing outside the region it is asked to draw.
#include "gui/PackedPicture.h"

#include <QPainter>
#include <QTest>

namespace quirn::qt::test {
namespace {

// Pixels no drawing makes: anything outside the picture's own colours.
const QColor kUntouched(1, 2, 3);

QImage noisyPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    quint32 state = 12345;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            image.setPixel(x, y, qRgb(x * 3 % 256, y * 5 % 256, static_cast<int>(state >> 24)));
        }
    return image;
}

QImage canvas(QSize size, qreal ratio) {
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(kUntouched);
    return image;
}

} // namespace

class PackedPictureTest : public QObject {
    Q_OBJECT
  private slots:
    void drawsThePixelsItWasGiven_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("one device pixel a pixel") << qreal(1);
        QTest::newRow("two device pixels a pixel") << qreal(2);
    }

    void drawsThePixelsItWasGiven() {
        QFETCH(qreal, ratio);
        // Not a whole number of tiles either way, and a part cut from inside the picture.
        const QImage picture = noisyPicture(QSize(203, 61) * ratio);
        const QRect keep(QPoint(5, 3) * ratio, QSize(190, 50) * ratio);
        const QSize logical(100, 40);
        const QRectF target(QPointF(3, 2), QSizeF(keep.size()) / ratio);

        QImage expected = canvas(logical, ratio);
        {
            QPainter painter(&expected);
            painter.drawImage(target, picture, QRectF(keep));
        }

        PackedPicture part(picture, keep);
        QCOMPARE(part.size(), keep.size());
        int rows = 1;
        while (!part.packRow()) {
            ++rows;
            // Half packed, it still draws from the full picture.
            QImage drawn = canvas(logical, ratio);
            QPainter painter(&drawn);
            part.draw(painter, target, ratio, QRegion(QRect(QPoint(0, 0), logical)));
            painter.end();
            QCOMPARE(drawn, expected);
        }
        QCOMPARE(rows, (keep.height() + 15) / 16);
        QVERIFY(part.packed());

        const QRect region(40, 7, 13, 9);
        QImage drawn = canvas(logical, ratio);
        {
            QPainter painter(&drawn);
            painter.setClipRect(region);
            part.draw(painter, target, ratio, QRegion(region));
        }
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const bool inside = region.contains(QPoint(int(x / ratio), int(y / ratio)));
                const QRgb want = inside ? expected.pixel(x, y) : kUntouched.rgb();
                if (drawn.pixel(x, y) != want)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
            }
    }
};

} // namespace quirn::qt::test

QTEST_MAIN(quirn::qt::test::PackedPictureTest)
#include "PackedPictureTest.moc"
