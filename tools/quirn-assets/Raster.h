// Turns backdrop colours into pictures and writes pictures to disk.
#pragma once

#include "Backdrops.h"

#include <QImage>
#include <filesystem>

namespace quirn::assets {

QImage renderBackdrop(Backdrop backdrop, int width, int height);

// Format from the file's extension; quality is for JPEG (-1 keeps Qt's default).
// Creates the folder. Returns false when Qt can't write the file.
bool saveImage(const QImage& image, const std::filesystem::path& file, int quality = -1);

} // namespace quirn::assets
