// What a player sees of the controls, asserted on grabbed images: button faces, the
// start screen's sentence, and the keys that work the window.
#include "FinishTest.h"

#include "GameFolder.h"
#include "gui/FlowLabel.h"
#include "gui/Look.h"

#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <cmath>

namespace quirn::qt::test {
namespace {

double linear(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
double luminance(const QColor& c) {
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}
double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

void FinishTest::buttonFaceIsTheThemeColour_data() {
    QTest::addColumn<int>("theme");
    QTest::addColumn<QColor>("face");
    QTest::newRow("Red Glow") << static_cast<int>(MenuId::mdef) << QColor(0xC0, 0, 0);
    QTest::newRow("Cool Blue") << static_cast<int>(MenuId::mnalt) << QColor(0, 0, 0xFF);
    QTest::newRow("Wash") << static_cast<int>(MenuId::mnuwas) << QColor(0, 0, 0xFF);
    QTest::newRow("Parchment") << static_cast<int>(MenuId::mnugrey) << QColor(Qt::black);
}

// "Next Game!" is disabled until the level is won; its face is the theme's colour all
// the same, and its caption still reads on it.
void FinishTest::buttonFaceIsTheThemeColour() {
    QFETCH(int, theme);
    QFETCH(QColor, face);
    QuickBoard quick;
    QVERIFY(quick.ready());
    MainWindow* window = quick.window.get();
    window->menuAction(static_cast<MenuId>(theme))->trigger();
    QWidget* next = window->controlWidget(ControlId::Command2);
    QVERIFY(next && !next->isEnabled());

    const QImage image = next->grab().toImage();
    QCOMPARE(image.pixelColor(image.width() / 2, 3), face);
    QCOMPARE(image.pixelColor(4, image.height() / 2), face);
    double best = 1;
    for (int y = 2; y < image.height() - 2; ++y)
        for (int x = 2; x < image.width() - 2; ++x)
            best = std::max(best, contrast(image.pixelColor(x, y), face));
    QVERIFY2(best >= 3.0, qPrintable(QStringLiteral("caption contrast %1").arg(best)));
}

void FinishTest::ruleSentenceEndsLeftOfOk_data() {
    QTest::addColumn<QString>("sizeClass");
    for (const char* size : {"quick", "advanced"}) QTest::newRow(size) << size;
}

// The sentence is laid out whole within its label, and the line beside the OK button
// ends left of it.
void FinishTest::ruleSentenceEndsLeftOfOk() {
    QFETCH(QString, sizeClass);
    GameFolder game;
    QVERIFY(game.ok());
    game.settings(sizeClass.toStdString());
    game.level(sizeClass.toStdString(), 1, "13,17,20,23,", ",0-4,");
    game.progress(sizeClass.toStdString(), 1);
    FakePlatform platform;
    MainWindow window(game.folder(), platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto* label = dynamic_cast<FlowLabel*>(window.controlWidget(ControlId::Label6));
    QWidget* ok = window.controlWidget(ControlId::Command4);
    QVERIFY(label && ok && label->isVisible());
    const FlowedText& flowed = label->flowed();
    QVERIFY(flowed.fits);
    QString shown;
    for (const FlowedLine& line : flowed.lines) shown += (shown.isEmpty() ? "" : " ") + line.text;
    QCOMPARE(shown, label->text());

    // The label as drawn, without the button in front: its light yellow text in the
    // rows the button spans ends left of the button.
    const QImage image = label->grab().toImage();
    const QRect button = ok->geometry().translated(-label->pos());
    int rightmost = -1;
    int glyphPixels = 0;
    for (int y = std::max(0, button.top()); y <= std::min(button.bottom(), image.height() - 1); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() > 200 && c.blue() < 170) {
                rightmost = std::max(rightmost, x);
                ++glyphPixels;
            }
        }
    QVERIFY(glyphPixels > 20); // a line of the sentence lies beside the button
    QVERIFY2(rightmost < button.left(),
             qPrintable(
                 QStringLiteral("text to x %1, button from %2").arg(rightmost).arg(button.left())));
}

void FinishTest::keysCloseTheStartScreenAndOpenTheRules() {
    GameFolder game;
    QVERIFY(game.ok());
    game.settings("quick");
    game.progress("quick", 1);
    FakePlatform platform;
    MainWindow window(game.folder(), platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(window.model().showing(ControlId::Picture1));
    QTest::keyClick(&window, Qt::Key_Return);
    QVERIFY(!window.model().showing(ControlId::Picture1));
    QTest::keyClick(&window, Qt::Key_F1);
    QVERIFY(window.model().showing(ControlId::Text6));
    // The menu titles carry access keys; their shown text is the caption.
    QAction* play = window.menuAction(MenuId::mplay);
    QCOMPARE(play->text(), QStringLiteral("&Play"));
    QCOMPARE(play->iconText(), QStringLiteral("Play"));
}

} // namespace quirn::qt::test
