#include "gui/Look.h"

#include "core/text/TextCodec.h"

#include <QFontDatabase>
#include <QtGlobal>
#include <array>
#include <utility>

namespace quirn::qt {
namespace {

// The window's controls were designed in this face and size.
const Font kDesignFont{"MS Sans Serif", 8.25, false};

// The system colours the window model names (0x80000000 + index), as palette roles.
constexpr std::array<std::pair<std::uint32_t, QPalette::ColorRole>, 10> kSystemRoles = {{
    {0x04, QPalette::Window},
    {0x05, QPalette::Base},
    {0x07, QPalette::WindowText},
    {0x08, QPalette::Text},
    {0x0D, QPalette::Highlight},
    {0x0E, QPalette::HighlightedText},
    {0x0F, QPalette::Button},
    {0x12, QPalette::ButtonText},
    {0x17, QPalette::ToolTipText},
    {0x18, QPalette::ToolTipBase},
}};

QString replacedLineBreaks(QString text, const QString& from, const QString& to) {
    return text.replace(from, to);
}

} // namespace

int pixels(double twips) {
    return qRound(twips / kTwipsPerPixel);
}

QRect pixelRect(double left, double top, double width, double height) {
    const int x = pixels(left);
    const int y = pixels(top);
    // Edges rounded on their own so neighbours meet without gaps.
    return QRect(x, y, pixels(left + width) - x, pixels(top + height) - y);
}

QRect pixelRect(const Rect& rect) {
    return pixelRect(rect.left, rect.top, rect.width, rect.height);
}

QRect pixelRect(const Control& control) {
    return pixelRect(control.left, control.top, control.width, control.height);
}

QString fromGameText(const std::string& bytes) {
    return QString::fromStdString(cp1252ToUtf8(bytes));
}

std::string toGameText(const QString& text) {
    return utf8ToCp1252(text.toStdString());
}

QString fromGameLines(const std::string& bytes) {
    return replacedLineBreaks(fromGameText(bytes), QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string toGameLines(const QString& text) {
    return toGameText(replacedLineBreaks(text, QStringLiteral("\n"), QStringLiteral("\r\n")));
}

QColor colourOf(std::uint32_t value, const QPalette& palette) {
    if (value & 0x80000000u) {
        const std::uint32_t index = value & 0xFFu;
        for (const auto& [system, role] : kSystemRoles)
            if (system == index) return palette.color(role);
        return palette.color(QPalette::Window);
    }
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

QColor colourOr(const std::optional<std::uint32_t>& value, const QPalette& palette,
                QPalette::ColorRole fallback) {
    return value ? colourOf(*value, palette) : palette.color(fallback);
}

QColor contrastOf(const QColor& colour) {
    // Rec. 601 luma: cheap and good enough to pick black or white text.
    const double luma = 0.299 * colour.redF() + 0.587 * colour.greenF() + 0.114 * colour.blueF();
    return luma > 0.55 ? QColor(Qt::black) : QColor(Qt::white);
}

QFont fontOf(const std::optional<Font>& font) {
    const Font& f = font ? *font : kDesignFont;
    QFont result;
    if (f.family == "MS Sans Serif") {
        result = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    } else {
        result.setFamily(f.family == "Arial" ? QStringLiteral("Liberation Sans")
                                             : QString::fromStdString(f.family));
        result.setStyleHint(QFont::SansSerif);
    }
    // A point is 20 twips.
    result.setPixelSize(qMax(1, qRound(f.points * 20 / kTwipsPerPixel)));
    result.setBold(f.bold);
    return result;
}

} // namespace quirn::qt
