#include "gui/PictureCache.h"

#include <QFileInfo>
#include <QImageReader>

namespace quirn::qt {
namespace {

QImage read(const QString& file, const QSize& size) {
    // Only plain files: a FIFO or a device would never finish reading.
    if (!file.startsWith(QLatin1Char(':')) && !QFileInfo(file).isFile()) return {};
    QImageReader reader(file);
    // JPEG decodes straight to a fraction of its size, so the full picture is never held.
    if (!size.isEmpty()) reader.setScaledSize(size);
    return reader.read();
}

} // namespace

QImage PictureCache::decode(const std::filesystem::path& file, const QString& fallback,
                            const QSize& size) {
    QImage image;
    if (!file.empty()) image = read(QString::fromStdU16String(file.u16string()), size);
    // A file that fails to load gives the built-in picture.
    return image.isNull() ? read(fallback, size) : image;
}

void PictureCache::prefetch(ControlId control, const std::string& relative,
                            const QString& fallbackResource, const QSize& size) {
    Shown& shown = shown_[control];
    if (shown.decoded && shown.same(relative, fallbackResource, size)) return;
    const std::filesystem::path file =
        relative.empty() ? std::filesystem::path() : folder_.resolve(relative);
    ++loads_;
    shown =
        Shown{true,
              relative,
              fallbackResource,
              size,
              {},
              std::async(std::launch::async, &PictureCache::decode, file, fallbackResource, size)};
}

const QPixmap& PictureCache::picture(ControlId control, const std::string& relative,
                                     const QString& fallbackResource, const QSize& size) {
    Shown& shown = shown_[control];
    if (!shown.decoded || !shown.same(relative, fallbackResource, size)) {
        const std::filesystem::path file =
            relative.empty() ? std::filesystem::path() : folder_.resolve(relative);
        ++loads_;
        // A file that fails to load is remembered as null so it is not read again.
        shown = Shown{true,
                      relative,
                      fallbackResource,
                      size,
                      QPixmap::fromImage(decode(file, fallbackResource, size)),
                      {}};
    }
    if (shown.pending.valid()) shown.pixmap = QPixmap::fromImage(shown.pending.get());
    return shown.pixmap;
}

} // namespace quirn::qt
