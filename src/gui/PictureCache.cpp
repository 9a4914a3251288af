#include "gui/PictureCache.h"

#include <QFileInfo>

namespace quirn::qt {

const QPixmap& PictureCache::load(const QString& key, const QString& file) {
    auto found = loaded_.find(key);
    if (found == loaded_.end()) {
        // A file that fails to load is remembered as null so it is not read again.
        ++loads_;
        found = loaded_.emplace(key, QPixmap(file)).first;
    }
    return found->second;
}

const QPixmap& PictureCache::picture(const std::string& relative, const QString& fallbackResource) {
    if (!relative.empty()) {
        const std::filesystem::path path = folder_.resolve(relative);
        const QString file = QString::fromStdU16String(path.u16string());
        const QPixmap& own = load(file, file);
        if (!own.isNull()) return own;
    }
    return load(fallbackResource, fallbackResource);
}

const QPixmap& PictureCache::stretched(const std::string& relative, const QString& fallbackResource,
                                       const QSize& size) {
    const QPixmap& source = picture(relative, fallbackResource);
    const QString key = QString::fromStdString(relative) + QLatin1Char('|') + fallbackResource +
                        QLatin1Char('|') + QString::number(size.width()) + QLatin1Char('x') +
                        QString::number(size.height());
    if (key != stretchedKey_) {
        stretchedKey_ = key;
        stretched_ = source.isNull()
                         ? QPixmap()
                         : source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return stretched_;
}

} // namespace quirn::qt
