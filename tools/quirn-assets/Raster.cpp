#include "Raster.h"

#include <QString>
#include <cmath>

namespace quirn::assets {

QImage renderBackdrop(Backdrop backdrop, int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y);
        const double v = (y + 0.5) / height;
        for (int x = 0; x < width; ++x) {
            const Rgb c = backdropColour(backdrop, (x + 0.5) / width, v);
            line[3 * x] = static_cast<uchar>(std::lround(c.r * 255));
            line[3 * x + 1] = static_cast<uchar>(std::lround(c.g * 255));
            line[3 * x + 2] = static_cast<uchar>(std::lround(c.b * 255));
        }
    }
    return image;
}

bool saveImage(const QImage& image, const std::filesystem::path& file, int quality) {
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    return image.save(QString::fromStdString(file.string()), nullptr, quality);
}

} // namespace quirn::assets
