// How the model's twips, colours, fonts and single-byte texts become Qt values.
#pragma once

#include "core/app/WindowModel.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>

namespace quirn::qt {

inline constexpr double kTwipsPerPixel = 15;
// Shown where a picture can't be had.
inline const QColor kPictureFallback{24, 22, 28};

int pixels(double twips);
QRect pixelRect(double left, double top, double width, double height);
QRect pixelRect(const Rect& rect);
QRect pixelRect(const Control& control);

// Windows-1252 <-> QString; multi-line boxes show CR LF as one line break.
QString fromGameText(const std::string& bytes);
std::string toGameText(const QString& text);
QString fromGameLines(const std::string& bytes);
std::string toGameLines(const QString& text);

// 0x00BBGGRR, or a system colour taken from the palette.
QColor colourOf(std::uint32_t value, const QPalette& palette);
QColor colourOr(const std::optional<std::uint32_t>& value, const QPalette& palette,
                QPalette::ColorRole fallback);
// Black or white, whichever reads better on the colour.
QColor contrastOf(const QColor& colour);

// Sized in pixels from the point size, so text keeps its place in the twip layout.
QFont fontOf(const std::optional<Font>& font);

} // namespace quirn::qt
