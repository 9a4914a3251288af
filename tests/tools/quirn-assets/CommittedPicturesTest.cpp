// The pictures the game ships, as committed: sizes, formats and whether text reads on them.
#include <QColor>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kRoot(QUIRN_SOURCE_DIR);

QImage load(const fs::path& file) {
    return QImage(QString::fromStdString(file.string()));
}

double linear(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Relative luminance as the usual contrast formula defines it.
double luminance(QRgb rgb) {
    return 0.2126 * linear(qRed(rgb) / 255.0) + 0.7152 * linear(qGreen(rgb) / 255.0) +
           0.0722 * linear(qBlue(rgb) / 255.0);
}

double contrast(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::vector<double> sortedLuminances(const QImage& image) {
    std::vector<double> values;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7) values.push_back(luminance(image.pixel(x, y)));
    std::sort(values.begin(), values.end());
    return values;
}

// Mean luminance step between horizontal neighbours: high means busy, noisy texture.
double meanStep(const QImage& image) {
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); y += 5) {
        for (int x = 1; x < image.width(); ++x) {
            sum += std::abs(luminance(image.pixel(x, y)) - luminance(image.pixel(x - 1, y)));
            ++count;
        }
    }
    return sum / count;
}

struct Theme {
    const char* file;
    QRgb digits; // the theme's clue digit colour
};
const Theme kThemes[] = {
    {"red.jpg", 0xFFFFFF},
    {"blue.jpg", 0xFFFFFF},
    {"wash.jpg", 0xFFFFFF},
    {"Mono.jpg", 0x595959},
};

TEST(ThemePictures, AreSharpOnHighDpiBoardsAndSmall) {
    for (const Theme& t : kThemes) {
        SCOPED_TRACE(t.file);
        const fs::path file = kRoot / "data" / "setup" / t.file;
        const QImage image = load(file);
        ASSERT_FALSE(image.isNull());
        // The board shows at most 842 x 596 logical pixels, twice that on high-DPI screens.
        EXPECT_GE(image.width(), 2 * 842);
        EXPECT_GE(image.height(), 2 * 596);
        EXPECT_LE(fs::file_size(file), 300u * 1024u);
    }
}

TEST(ThemePictures, LetTheDigitsReadAndStayCalm) {
    for (const Theme& t : kThemes) {
        SCOPED_TRACE(t.file);
        const QImage image = load(kRoot / "data" / "setup" / t.file);
        ASSERT_FALSE(image.isNull());
        const std::vector<double> lum = sortedLuminances(image);
        const double digit = luminance(t.digits);
        const double typical = lum[lum.size() / 2];
        // The worst one per cent, on the side closest to the digits' own brightness.
        const double worst = digit > typical ? lum[lum.size() * 99 / 100] : lum[lum.size() / 100];
        EXPECT_GE(contrast(digit, typical), 4.5);
        EXPECT_GE(contrast(digit, worst), 3.0);
        EXPECT_LT(meanStep(image), 0.01);
    }
}

// Texture steps across a picture against steps down it, the broad light taken away
// (each pixel less a blurred copy): far above 1 means vertical streaks.
double acrossOverDown(const QImage& image) {
    const QImage blur =
        image.scaled(image.size() / 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const auto texture = [&](int x, int y) {
        return luminance(image.pixel(x, y)) - luminance(blur.pixel(x, y));
    };
    double across = 0;
    double down = 0;
    for (int y = 0; y + 1 < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x) {
            across += std::abs(texture(x + 1, y) - texture(x, y));
            down += std::abs(texture(x, y + 1) - texture(x, y));
        }
    return across / down;
}

// The window stretches each picture to the board, 390 x 596 pixels for the 5 x 5 one:
// squeezed that far it still looks drawn for that shape, not streaked top to bottom.
TEST(ThemePictures, KeepTheirLookOnTheNarrowestBoard) {
    for (const Theme& t : kThemes) {
        SCOPED_TRACE(t.file);
        const QImage image = load(kRoot / "data" / "setup" / t.file);
        ASSERT_FALSE(image.isNull());
        const QImage shown = image.scaled(390, 596, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                 .scaled(130, 198, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(acrossOverDown(shown), 1.3);
    }
}

TEST(StartPicture, HasTheSizeAnd24BitColourTheStartPanelNeeds) {
    const fs::path file = kRoot / "src" / "gui" / "art" / "start.png";
    std::ifstream in(file, std::ios::binary);
    std::string head(26, '\0');
    in.read(head.data(), 26);
    ASSERT_EQ(head.substr(1, 3), "PNG");
    EXPECT_EQ(head[24], 8); // bits per channel
    EXPECT_EQ(head[25], 2); // colour type: RGB, no alpha
    const QImage image = load(file);
    ASSERT_EQ(image.width(), 255);
    ASSERT_EQ(image.height(), 337);
}

TEST(StartPicture, KeepsTheBottomFifthBlackAndShowsTheBoardAbove) {
    const QImage image = load(kRoot / "src" / "gui" / "art" / "start.png");
    ASSERT_FALSE(image.isNull());
    for (int y = image.height() - 67; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y) & 0xFFFFFF, 0u) << x << "," << y;

    struct Colour {
        const char* what;
        bool (*matches)(QRgb);
        int minPixels;
    };
    const Colour colours[] = {
        {"red squares", [](QRgb c) { return qRed(c) > 120 && qGreen(c) < 60 && qBlue(c) < 60; },
         2000},
        {"yellow segments and lettering",
         [](QRgb c) { return qRed(c) > 200 && qGreen(c) > 170 && qBlue(c) < 90; }, 500},
        {"white digits", [](QRgb c) { return qRed(c) > 220 && qGreen(c) > 220 && qBlue(c) > 220; },
         100},
    };
    for (const Colour& c : colours) {
        int count = 0;
        for (int y = 0; y < image.height() - 67; ++y)
            for (int x = 0; x < image.width(); ++x) count += c.matches(image.pixel(x, y));
        EXPECT_GE(count, c.minPixels) << c.what;
    }
}

TEST(Icons, AreSquareWithATransparentBackground) {
    struct Case {
        fs::path file;
        int size;
    };
    const Case cases[] = {
        {kRoot / "src" / "gui" / "art" / "icon.png", 48},
        {kRoot / "packaging" / "quirn-puzzle-256.png", 256},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.string());
        const QImage image = load(c.file);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(c.size, c.size));
        ASSERT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(c.size - 1, 0)), 0);
        int opaque = 0;
        for (int y = 0; y < c.size; ++y)
            for (int x = 0; x < c.size; ++x) opaque += qAlpha(image.pixel(x, y)) == 255;
        EXPECT_GT(opaque, c.size * c.size / 8);
    }
}

TEST(BoardPicture, IsANeutralDarkBackdrop) {
    const QImage image = load(kRoot / "src" / "gui" / "art" / "board.png");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(842, 596));
    const std::vector<double> lum = sortedLuminances(image);
    EXPECT_LT(lum[lum.size() * 99 / 100], 0.05);
    for (int y = 0; y < image.height(); y += 37) {
        for (int x = 0; x < image.width(); x += 41) {
            const QRgb c = image.pixel(x, y);
            EXPECT_LE(std::max({qRed(c), qGreen(c), qBlue(c)}) -
                          std::min({qRed(c), qGreen(c), qBlue(c)}),
                      6);
        }
    }
}

} // namespace
