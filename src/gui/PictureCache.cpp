#include "gui/PictureCache.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QThreadPool>
#include <memory>

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
    if (!file.empty()) image = read(QFile::decodeName(file.c_str()), size);
    // A file that fails to load gives the built-in picture.
    return image.isNull() ? read(fallback, size) : image;
}

void PictureCache::prefetch(ControlId control, const std::string& relative,
                            const QString& fallbackResource, const QSize& size, const QRect& keep) {
    Shown& shown = shown_[control];
    if (shown.decoded && shown.same(relative, fallbackResource, size, keep)) return;
    const std::filesystem::path file =
        relative.empty() ? std::filesystem::path() : folder_.resolve(relative);
    ++loads_;
    const auto decoded = std::make_shared<std::promise<QImage>>();
    shown = Shown{true, relative, fallbackResource, size, keep, {}, {}, decoded->get_future()};
    // On a thread of Qt's pool, where Qt's own image work runs in line rather than on
    // further threads.
    QThreadPool::globalInstance()->start([decoded, file, fallbackResource, size] {
        decoded->set_value(decode(file, fallbackResource, size));
    });
}

QImage PictureCache::fresh(Shown*& entry, ControlId control, const std::string& relative,
                           const QString& fallback, const QSize& size, const QRect& keep) {
    Shown& shown = shown_[control];
    entry = &shown;
    const bool same = shown.decoded && shown.same(relative, fallback, size, keep);
    if (shown.pending.valid()) {
        QImage prefetched = shown.pending.get();
        if (same) return prefetched;
    }
    if (same) return {};
    const std::filesystem::path file =
        relative.empty() ? std::filesystem::path() : folder_.resolve(relative);
    ++loads_;
    // A file that fails to load is remembered as null so it is not read again.
    shown = Shown{true, relative, fallback, size, keep, {}, {}, {}};
    return decode(file, fallback, size);
}

const QPixmap& PictureCache::picture(ControlId control, const std::string& relative,
                                     const QString& fallbackResource, const QSize& size) {
    Shown* shown = nullptr;
    QImage image = fresh(shown, control, relative, fallbackResource, size, {});
    if (!image.isNull()) shown->pixmap = QPixmap::fromImage(std::move(image));
    return shown->pixmap;
}

const PackedPicture& PictureCache::part(ControlId control, const std::string& relative,
                                        const QString& fallbackResource, const QSize& size,
                                        const QRect& keep) {
    Shown* shown = nullptr;
    QImage image = fresh(shown, control, relative, fallbackResource, size, keep);
    if (!image.isNull()) shown->part = PackedPicture(std::move(image), keep);
    return shown->part;
}

bool PictureCache::packStep() {
    for (auto& [control, shown] : shown_)
        if (!shown.pending.valid() && !shown.part.isNull() && !shown.part.packed())
            return shown.part.packRow() && packStep();
    return true;
}

} // namespace quirn::qt
