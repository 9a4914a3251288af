// The pictures the game ships, as committed: sizes, formats, and whether text reads on them.
#include <QImage>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

namespace {

const std::string kRoot = QUIRN_SOURCE_DIR "/";

QImage load(const std::string& relative) {
    return QImage(QString::fromStdString(kRoot + relative));
}

// Relative luminance as the usual contrast formula defines it.
double luminance(QRgb rgb) {
    const auto linear = [](int c) {
        const double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

double contrast(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// Of every 7th pixel each way, sorted.
std::vector<double> luminances(const QImage& image) {
    std::vector<double> values;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7) values.push_back(luminance(image.pixel(x, y)));
    std::sort(values.begin(), values.end());
    return values;
}

TEST(ThemePictures, AreSharpSmallAndLetTheDigitsRead) {
    const std::pair<const char*, QRgb> themes[] = {{"red.jpg", 0xFFFFFF},
                                                   {"blue.jpg", 0xFFFFFF},
                                                   {"wash.jpg", 0xFFFFFF},
                                                   {"Mono.jpg", 0x595959}};
    for (const auto& [file, digits] : themes) {
        SCOPED_TRACE(file);
        const std::string relative = std::string("data/setup/") + file;
        const QImage image = load(relative);
        // Twice the board's 842 x 596 pixels at most, for high-DPI screens.
        EXPECT_GE(image.width(), 2 * 842);
        EXPECT_GE(image.height(), 2 * 596);
        EXPECT_LE(std::filesystem::file_size(kRoot + relative), 300u * 1024u);
        const std::vector<double> lum = luminances(image);
        const double digit = luminance(digits), typical = lum[lum.size() / 2];
        // The worst one per cent, on the side of the digits' own brightness.
        const double worst = digit > typical ? lum[lum.size() * 99 / 100] : lum[lum.size() / 100];
        EXPECT_GE(contrast(digit, typical), 4.5);
        EXPECT_GE(contrast(digit, worst), 3.0);
    }
}

// The window stretches each picture to the board, 390 x 596 pixels for the 5 x 5 one:
// squeezed that far it still looks drawn for that shape, not streaked top to bottom.
TEST(ThemePictures, KeepTheirLookOnTheNarrowestBoard) {
    for (const char* file : {"red.jpg", "blue.jpg", "wash.jpg", "Mono.jpg"}) {
        SCOPED_TRACE(file);
        const QImage shown = load(std::string("data/setup/") + file)
                                 .scaled(390, 596, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                 .scaled(130, 198, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // Texture steps across against steps down, the broad light taken away (each pixel
        // less a blurred copy): far above 1 means vertical streaks.
        const QImage blur =
            shown.scaled(shown.size() / 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const auto texture = [&](int x, int y) {
            return luminance(shown.pixel(x, y)) - luminance(blur.pixel(x, y));
        };
        double across = 0, down = 0;
        for (int y = 0; y + 1 < shown.height(); ++y)
            for (int x = 0; x + 1 < shown.width(); ++x) {
                across += std::abs(texture(x + 1, y) - texture(x, y));
                down += std::abs(texture(x, y + 1) - texture(x, y));
            }
        EXPECT_LT(across / down, 1.3);
    }
}

// The start screen's picture: 24-bit colour, its bottom fifth black for the panel's text.
TEST(StartPicture, HasABlackFoot) {
    const QImage image = load("src/gui/art/start.png");
    ASSERT_EQ(image.size(), QSize(255, 337));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    for (int y = 337 - 67; y < 337; ++y)
        for (int x = 0; x < 255; ++x) ASSERT_EQ(image.pixel(x, y) & 0xFFFFFF, 0u) << x << "," << y;
}

TEST(Icons, AreSquareWithATransparentBackground) {
    for (const auto& [file, size] : {std::pair{"src/gui/art/icon.png", 48},
                                     std::pair{"packaging/quirn-puzzle-256.png", 256}}) {
        SCOPED_TRACE(file);
        const QImage image = load(file);
        ASSERT_EQ(image.size(), QSize(size, size));
        ASSERT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(size - 1, 0)), 0);
        int opaque = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) opaque += qAlpha(image.pixel(x, y)) == 255;
        EXPECT_GT(opaque, size * size / 8);
    }
}

TEST(BoardPicture, IsADarkBackdrop) {
    const QImage image = load("src/gui/art/board.png");
    ASSERT_EQ(image.size(), QSize(842, 596));
    const std::vector<double> lum = luminances(image);
    EXPECT_LT(lum[lum.size() * 99 / 100], 0.05);
}

} // namespace
