// The real window, offscreen: presses on its pixels, what it paints, and its widgets
// following the model.
#include "Pixels.h"
#include "gui/FlowLabel.h"
#include "support/FakePlatform.h"
#include "support/LevelFiles.h"
#include "support/TempFolder.h"

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <cmath>
#include <memory>

namespace quirn::qt::test {
namespace {

const QColor kYellowLine(255, 255, 0); // the settings' line colour 65535

// Contrast of two colours as the usual formula for readable text defines it.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A shown window, sound off, at game `game` of the class's series: the loop around square
// 0, then one around square 1.
struct Window {
    quirn::test::GameFolder folder;
    quirn::test::FakePlatform platform;
    std::unique_ptr<MainWindow> window;

    explicit Window(const std::string& sizeClass = "quick", int game = 3) {
        const std::string levels = "puzzles/" + sizeClass + "/";
        folder.write("quirn.cfg", quirn::test::config(sizeClass, "False"));
        folder.write(levels + "level.dat", quirn::test::progress(game));
        const auto file = [&](int n) { return levels + "game" + std::to_string(n) + ".puz"; };
        folder.write(file(game), quirn::test::level("13,17,20,23,", ",0-4,"));
        folder.write(file(game + 1), quirn::test::level("12,14,20,21,", ",1-4,"));
        platform.top = 0; // where Qt has the window while it starts up: not yet placed
        window = std::make_unique<MainWindow>(ProgramFolder(folder.path()), platform);
        window->show();
    }
    bool shown() const { return QTest::qWaitForWindowExposed(window.get()); }
    MainWindow* operator->() const { return window.get(); }
    const WindowModel& model() const { return window->model(); }
    QPoint centreOf(ControlId id) const {
        const QWidget* widget = window->controlWidget(id);
        return widget->mapTo(window->client(), widget->rect().center());
    }
};

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
  private slots:
    // Left marks a line (drawn in the outline), right drops the outline (a mark alone is
    // filled, neither lets the picture through), middle does nothing.
    void aPressReachesTheSegmentUnderItAndShowsItsLook() {
        Window w;
        QVERIFY(w.shown());
        const QPoint centre = segmentCentre(23);
        const QPoint edge(centre.x(), 480 / 15); // the outline's top line, clear of the dots
        const auto look = [&] { return w->board()->grab().toImage(); };
        const QImage bare = look();
        QVERIFY(bare.pixelColor(centre) != kYellowLine);
        QCOMPARE(pressPixel(*w.window, centre, Qt::LeftButton), static_cast<QWidget*>(w->board()));
        const QImage drawn = look();
        QCOMPARE(drawn.pixelColor(centre), kYellowLine);
        QVERIFY(drawn.pixelColor(edge) != kYellowLine);
        pressPixel(*w.window, centre, Qt::RightButton);
        pressPixel(*w.window, centre, Qt::MiddleButton);
        QCOMPARE(look().pixelColor(edge), kYellowLine);
        pressPixel(*w.window, centre, Qt::LeftButton);
        const QImage crossed = look();
        QCOMPARE(crossed.pixelColor(centre), bare.pixelColor(centre));
        QVERIFY(crossed.pixelColor(edge) != bare.pixelColor(edge));
        QCOMPARE(w->form().state.moveCount, 2);
        pressPixel(*w.window, QPoint(32, 104), Qt::LeftButton); // dot (1,0): the vertical above
        QVERIFY(w.model().segments[verticalSegment(0, 0)].marked);
        // Parchment's digits are grey: some pixel of square 0's clue has that colour.
        w->menuAction(MenuId::mnugrey)->trigger();
        const QImage parchment = look();
        bool grey = false;
        for (int y = 48; y < 97; ++y)
            for (int x = 40; x < 89; ++x) grey |= parchment.pixelColor(x, y) == QColor(0x595959);
        QVERIFY(grey);
    }

    void theWindowTakesTheSizeOfItsClass() {
        Window w("quick");
        QVERIFY(w.shown());
        QCOMPARE(w->windowTitle(), QString("Quirn Puzzle:  QUICK Game."));
        const QStringList menus = {"Play", "Tools", "Options", "Help"}; // no pop-up menu
        QStringList titles;
        for (QAction* action : w->menuBar()->actions()) titles << action->iconText();
        QCOMPARE(titles, menus);
        for (MenuId size : {MenuId::mnquick, MenuId::mnadv}) {
            if (size == MenuId::mnadv) w->menuAction(size)->trigger();
            const QSize client(pixels(clientWidth(w.model())), pixels(clientHeight(w.model())));
            QCOMPARE(w->client()->size(), client);
            QCOMPARE(w->board()->size(), client);
            QTRY_COMPARE(w->size(),
                         QSize(client.width(), client.height() + w->menuBar()->height()));
            QCOMPARE(w->minimumSize(), w->maximumSize()); // fixed
            QVERIFY(w->menuAction(size)->isChecked());
        }
        QCOMPARE(w->windowTitle(), QString("Quirn Puzzle:  ADVANCED Game."));
        QVERIFY(!w->menuAction(MenuId::mnquick)->isChecked());
    }

    void levelOneStartsBehindTheStartScreen_data() {
        QTest::addColumn<QString>("sizeClass");
        for (const char* size : {"quick", "normal", "hard", "advanced"})
            QTest::newRow(size) << size;
    }
    // The start screen fits the window and its OK takes it away; winning the level by its
    // pixels lets the real Next Game button through, to level 2.
    void levelOneStartsBehindTheStartScreen() {
        QFETCH(QString, sizeClass);
        Window w(sizeClass.toStdString(), 1);
        QVERIFY(w.shown());
        QWidget* panel = w->controlWidget(ControlId::Picture1);
        QVERIFY(panel->isVisible());
        QVERIFY(w->client()->rect().contains(panel->geometry()));
        QWidget* ok = w->controlWidget(ControlId::Command4);
        QCOMPARE(pressPixel(*w.window, w.centreOf(ControlId::Command4), Qt::LeftButton), ok);
        QVERIFY(!panel->isVisible());
        QWidget* next = w->controlWidget(ControlId::Command2);
        for (int segment : {13, 17, 20, 23}) {
            QVERIFY(!next->isEnabled());
            pressPixel(*w.window, segmentCentre(segment), Qt::LeftButton);
        }
        QVERIFY(w->client()->rect().contains(next->geometry()));
        QCOMPARE(pressPixel(*w.window, w.centreOf(ControlId::Command2), Qt::LeftButton), next);
        QCOMPARE(w.model()[ControlId::Label5].caption, std::string("Game: 2"));
        QVERIFY(!next->isEnabled());
    }

    void theHelpViewerScrollsWithoutBars() {
        Window w;
        QVERIFY(w.shown());
        QVERIFY(!w->controlWidget(ControlId::Text6)); // made when it first shows
        w->menuAction(MenuId::mrules)->trigger();
        auto* viewer = qobject_cast<QPlainTextEdit*>(w->controlWidget(ControlId::Text6));
        QVERIFY(viewer && viewer->isVisible());
        QVERIFY(!viewer->toPlainText().contains(QLatin1Char('\r'))); // CR LF: one break
        QScrollBar* bar = viewer->verticalScrollBar();
        QVERIFY(!bar->isVisible());
        QVERIFY(bar->maximum() > 0); // the text is longer than the viewer
        const QPoint at = viewer->viewport()->rect().center();
        QWheelEvent wheel(at, viewer->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(viewer->viewport(), &wheel);
        QVERIFY(bar->value() > 0);
    }

    // A picture is read when it first shows, and only the one shown is kept.
    void picturesAreReadWhenShown() {
        Window w;
        QVERIFY(w.shown());
        QCOMPARE(w->pictures().loads(), 1); // the board's; the start screen is hidden
        pressPixel(*w.window, segmentCentre(23), Qt::LeftButton);
        w->board()->grab();
        QCOMPARE(w->pictures().loads(), 1);
        int loads = 1;
        for (MenuId theme : {MenuId::mnalt, MenuId::mdef}) { // Red Glow again: read again
            w->menuAction(theme)->trigger();
            w->board()->grab();
            QCOMPARE(w->pictures().loads(), ++loads);
        }
        w->menuAction(MenuId::mnstart)->trigger();
        QVERIFY(w->controlWidget(ControlId::Image2)->isVisible());
        QCOMPARE(w->pictures().loads(), 4);
    }

    // A press repaints the pressed segment's rectangle (and the status line), not the board.
    void aPressRepaintsOnlyItsSegment() {
        PaintLog log;
        Window w;
        QVERIFY(w.shown());
        w->board()->installEventFilter(&log);
        QTest::qWait(20);
        for (int segment : {verticalSegment(2, 3), horizontalSegment(4, 1)})
            for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
                log.painted = {};
                pressPixel(*w.window, segmentCentre(segment), button);
                QTRY_VERIFY(!log.painted.isEmpty());
                QTest::qWait(20);
                const QRect pressed = pixelRect(segmentRect(segment));
                const QRegion allowed = QRegion(pressed) + pixelRect(w.model()[ControlId::Label5]);
                QVERIFY((log.painted - allowed).isEmpty());
                QCOMPARE(log.painted.intersected(pressed), QRegion(pressed));
            }
    }

    void buttonFacesAreTheThemeColour_data() {
        QTest::addColumn<MenuId>("theme");
        QTest::addColumn<QColor>("face"); // the model's 0x00BBGGRR
        QTest::newRow("Red Glow") << MenuId::mdef << QColor(0xC0, 0, 0);
        QTest::newRow("Cool Blue") << MenuId::mnalt << QColor(0, 0, 0xFF);
        QTest::newRow("Wash") << MenuId::mnuwas << QColor(0, 0, 0xFF);
        QTest::newRow("Parchment") << MenuId::mnugrey << QColor(Qt::black);
    }
    // "Next Game!" is disabled until the level is won; its face is the theme's colour all
    // the same, and its caption still reads on it.
    void buttonFacesAreTheThemeColour() {
        QFETCH(MenuId, theme);
        QFETCH(QColor, face);
        Window w;
        QVERIFY(w.shown());
        w->menuAction(theme)->trigger();
        QWidget* next = w->controlWidget(ControlId::Command2);
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

    void theStartSentenceEndsLeftOfOk_data() {
        QTest::addColumn<QString>("sizeClass");
        for (const char* size : {"quick", "advanced"}) QTest::newRow(size) << size;
    }
    // The sentence is laid out whole within its label, and the line beside the OK button
    // ends left of it.
    void theStartSentenceEndsLeftOfOk() {
        QFETCH(QString, sizeClass);
        Window w(sizeClass.toStdString(), 1);
        QVERIFY(w.shown());
        auto* label = dynamic_cast<FlowLabel*>(w->controlWidget(ControlId::Label6));
        QWidget* ok = w->controlWidget(ControlId::Command4);
        QVERIFY(label && ok && label->isVisible());
        QVERIFY(label->flowed().fits);
        QString shown;
        for (const FlowedLine& line : label->flowed().lines)
            shown += (shown.isEmpty() ? "" : " ") + line.text;
        QCOMPARE(shown, label->text());
        // The label as drawn, without the button in front: its light yellow text in the
        // rows the button spans ends left of the button.
        const QImage image = label->grab().toImage();
        const QRect button = ok->geometry().translated(-label->pos());
        int rightmost = -1, glyphPixels = 0;
        for (int y = std::max(0, button.top()); y <= std::min(button.bottom(), image.height() - 1);
             ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 200 && c.green() > 200 && c.blue() < 170) {
                    rightmost = std::max(rightmost, x);
                    ++glyphPixels;
                }
            }
        QVERIFY(glyphPixels > 20); // a line of the sentence lies beside the button
        QVERIFY2(
            rightmost < button.left(),
            qPrintable(
                QStringLiteral("text to x %1, button from %2").arg(rightmost).arg(button.left())));
    }

    void keysCloseTheStartScreenAndOpenTheRules() {
        Window w("quick", 1);
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QVERIFY(w.model().showing(ControlId::Picture1));
        QTest::keyClick(w.window.get(), Qt::Key_Return);
        QVERIFY(!w.model().showing(ControlId::Picture1));
        QTest::keyClick(w.window.get(), Qt::Key_F1);
        QVERIFY(w.model().showing(ControlId::Text6));
        // The menu titles carry access keys; their shown text is the caption.
        QCOMPARE(w->menuAction(MenuId::mplay)->text(), QStringLiteral("&Play"));
    }
};

} // namespace quirn::qt::test

QTEST_MAIN(quirn::qt::test::WindowTest)
#include "WindowTest.moc"
