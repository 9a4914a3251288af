// Pictures loaded once per file and kept; a stretched copy is kept for the size last asked.
#pragma once

#include "core/files/ProgramFolder.h"

#include <QPixmap>
#include <QSize>
#include <QString>
#include <map>
#include <string>

namespace quirn::qt {

class PictureCache {
  public:
    explicit PictureCache(const ProgramFolder& folder) : folder_(folder) {}

    // The picture file below the program folder, else the built-in resource; null when
    // neither loads.
    const QPixmap& picture(const std::string& relative, const QString& fallbackResource);

    // The same picture stretched to size device pixels, kept until asked for another.
    const QPixmap& stretched(const std::string& relative, const QString& fallbackResource,
                             const QSize& size);

    // Loads so far, cached ones not counted.
    int loads() const { return loads_; }

  private:
    const QPixmap& load(const QString& key, const QString& file);

    const ProgramFolder& folder_;
    std::map<QString, QPixmap> loaded_;
    QString stretchedKey_;
    QPixmap stretched_;
    int loads_ = 0;
};

} // namespace quirn::qt
