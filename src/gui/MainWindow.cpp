#include "gui/MainWindow.h"

#include "gui/BoardPainter.h"
#include "gui/Look.h"

#include <QFile>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <utility>

namespace quirn::qt {
namespace {

const QString kIconResource = QStringLiteral(":/art/icon.png");
// Time for a painted frame to reach the screen before work that can wait takes a core.
constexpr int kSettleDelayMs = 250;

} // namespace

MainWindow::MainWindow(ProgramFolder folder, Platform& platform, const LoopSolver* solver,
                       QWidget* parent)
    : QMainWindow(parent), form_(std::move(folder), platform, solver), pictures_(form_.folder()) {
    form_.Form_Load();
    // The board picture decodes on another core while the widgets are made.
    const PictureFrame frame = boardPictureFrame(form_.model, devicePixelRatioF());
    pictures_.prefetch(ControlId::Image1, form_.model[ControlId::Image1].picture, kBoardResource,
                       frame.size, frame.keep);

    const Dispatch dispatch = [this](const std::function<void(Form1&)>& event) {
        this->dispatch(event);
    };
    client_ = new QWidget(this);
    setCentralWidget(client_);
    board_ = new BoardWidget(form_, pictures_, dispatch, client_);
    // The picture is kept packed. It is drawn unpacked at first, so the window comes
    // first; once the frame has had time to reach the screen it is packed a row of tiles
    // per turn of the event loop, which keeps the window answering.
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleDelayMs);
    QObject::connect(&settle_, &QTimer::timeout, &packing_, qOverload<>(&QTimer::start));
    packing_.setInterval(0);
    QObject::connect(&packing_, &QTimer::timeout, this, [this] {
        if (!pictures_.packStep()) return;
        packing_.stop();
        for (const auto& run : std::exchange(settled_, {})) run();
    });
    board_->onPainted([this] {
        if (!packing_.isActive() && !settle_.isActive()) settle_.start();
    });
    board_->lower();
    controls_.build(client_, dispatch);
    menus_.build(menuBar(), form_.model, dispatch);
    // Enter takes the start screen away, as its OK button does.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(key, this);
        QObject::connect(shortcut, &QShortcut::activated, this, [dispatch] {
            dispatch([](Form1& form) { form.clickControl(ControlId::Command4); });
        });
        startScreenKeys_.push_back(shortcut);
    }
    // The window takes exactly the size of its menu bar and client area, never another.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (QFile::exists(kIconResource)) setWindowIcon(QIcon(kIconResource));
    render();
    // Placed before it is first shown, so it appears where it stays.
    adjustSize();
    if (const QScreen* screen = this->screen()) {
        QRect place = geometry();
        place.moveCenter(screen->availableGeometry().center());
        move(place.topLeft());
    }
}

void MainWindow::dispatch(const std::function<void(Form1&)>& event) {
    event(form_);
    render();
}

void MainWindow::render() {
    const WindowModel& model = form_.model;
    const QString title = fromGameText(model.caption);
    if (windowTitle() != title) setWindowTitle(title);
    const QSize clientSize(pixels(clientWidth(model)), pixels(clientHeight(model)));
    if (client_->size() != clientSize || client_->minimumSize() != clientSize)
        client_->setFixedSize(clientSize);
    if (board_->size() != clientSize) board_->setGeometry(QRect(QPoint(0, 0), clientSize));
    menus_.sync(model);
    const bool startScreen = model.showing(ControlId::Picture1);
    for (QShortcut* key : startScreenKeys_)
        if (key->isEnabled() != startScreen) key->setEnabled(startScreen);
    controls_.sync(model, pictures_);
    board_->refresh();
}

} // namespace quirn::qt
