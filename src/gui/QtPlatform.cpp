#include "gui/QtPlatform.h"

#include "gui/AccessKeys.h"
#include "gui/Look.h"
#include "gui/MainWindow.h"

#include <QCursor>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace quirn::qt {
namespace {

constexpr int kMessageBoxWidth = 260;

} // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

void QtPlatform::attach(MainWindow* window) {
    window_ = window;
}

MessageAnswer QtPlatform::messageBox(const std::string& text, const std::string& title,
                                     MessageButtons buttons) {
    // A message about the board is read with the board as it now stands behind it.
    if (window_) window_->board()->refresh();
    QMessageBox box(window_);
    box.setIcon(QMessageBox::NoIcon);
    // Wide enough for the title bar to show the box's title.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(
            new QSpacerItem(kMessageBoxWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
            grid->rowCount(), 0, 1, grid->columnCount());
    box.setWindowTitle(fromGameText(title));
    box.setText(fromGameText(text));
    box.setTextFormat(Qt::PlainText);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

std::string QtPlatform::inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) {
    QInputDialog dialog(window_);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(fromGameText(title));
    dialog.setLabelText(fromGameText(prompt));
    dialog.setTextValue(fromGameText(defaultText));
    if (dialog.exec() != QDialog::Accepted) return {};
    return toGameText(dialog.textValue());
}

std::optional<MenuId> QtPlatform::popupMenu(MenuId root) {
    if (!window_) return std::nullopt;
    const WindowModel& model = window_->model();
    QMenu menu(window_);
    std::map<QAction*, MenuId> chosen;
    const std::vector<MenuId> ids = menuChildren(root);
    std::vector<QString> captions;
    for (MenuId id : ids) captions.push_back(fromGameText(model[id].caption));
    const std::vector<QChar> keys = accessKeys(captions);
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const MenuId id = ids[i];
        const MenuItem& item = model[id];
        QAction* action = menu.addAction(withAccessKey(captions[i], keys[i]));
        action->setEnabled(item.enabled);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
        chosen.emplace(action, id);
    }
    QAction* picked = menu.exec(QCursor::pos());
    const auto found = chosen.find(picked);
    if (found == chosen.end()) return std::nullopt;
    return found->second;
}

void QtPlatform::playSound(const std::filesystem::path& file) {
    sounds_.play(file);
}

bool QtPlatform::startProgram(const std::string& commandLine) {
    QStringList words = QProcess::splitCommand(fromGameText(commandLine));
    if (words.isEmpty()) return false;
    const QString program = words.takeFirst();
    // A program named without a full path would be looked for in whatever folder the
    // game was started from.
    if (!QFileInfo(program).isAbsolute()) return false;
    return QProcess::startDetached(program, words);
}

// Start-up runs before the window is first shown, when it still stands at Top 0.
std::optional<double> QtPlatform::windowTop() const {
    return window_ ? window_->y() * kTwipsPerPixel : 0.0;
}

bool QtPlatform::openUrl(const std::string& url) {
    const QUrl address(fromGameText(url));
    return address.isValid() && QDesktopServices::openUrl(address);
}

} // namespace quirn::qt
