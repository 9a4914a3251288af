#include "gui/PictureCache.h"

#include <QFileInfo>
#include <QImageReader>

namespace quirn::qt {

QPixmap PictureCache::decode(const QString& file, const QSize& size) {
    // Only plain files: a FIFO or a device would never finish reading.
    if (!file.startsWith(QLatin1Char(':')) && !QFileInfo(file).isFile()) return {};
    ++loads_;
    QImageReader reader(file);
    // JPEG decodes straight to a fraction of its size, so the full picture is never held.
    if (!size.isEmpty()) reader.setScaledSize(size);
    return QPixmap::fromImage(reader.read());
}

const QPixmap& PictureCache::picture(ControlId control, const std::string& relative,
                                     const QString& fallbackResource, const QSize& size) {
    Shown& shown = shown_[control];
    if (shown.decoded && shown.relative == relative && shown.fallback == fallbackResource &&
        shown.size == size)
        return shown.pixmap;
    // A file that fails to load is remembered as null so it is not read again.
    shown = Shown{true, relative, fallbackResource, size, {}};
    if (!relative.empty()) {
        const std::filesystem::path path = folder_.resolve(relative);
        shown.pixmap = decode(QString::fromStdU16String(path.u16string()), size);
    }
    if (shown.pixmap.isNull()) shown.pixmap = decode(fallbackResource, size);
    return shown.pixmap;
}

} // namespace quirn::qt
