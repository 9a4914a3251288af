// Bringing each control widget in line with the model after an event. Signals are
// blocked meanwhile: a change made here is not input.
#include "core/text/TextCodec.h"
#include "gui/ControlWidgets.h"
#include "gui/FaceButton.h"
#include "gui/FlowLabel.h"
#include "gui/Look.h"
#include "gui/MarginTextEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

namespace quirn::qt {
namespace {

inline const QString kStartResource = QStringLiteral(":/art/start.png");

QStringList entriesOf(const Control& control) {
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(control.items.size()));
    // A file list shows file names, which are UTF-8, not the game's text.
    for (const std::string& item : control.items)
        entries << (control.kind == ControlKind::FileList
                        ? QString::fromStdString(fileNameToUtf8(item))
                        : fromGameText(item));
    return entries;
}

void syncList(QListWidget* list, const Control& control) {
    const QStringList entries = entriesOf(control);
    bool same = list->count() == entries.size();
    for (int i = 0; same && i < entries.size(); ++i) same = list->item(i)->text() == entries[i];
    if (!same) {
        list->clear();
        list->addItems(entries);
    }
    const int row = control.selected < list->count() ? control.selected : -1;
    if (list->currentRow() != row) list->setCurrentRow(row);
}

void syncCombo(QComboBox* combo, const Control& control) {
    const QStringList entries = entriesOf(control);
    bool same = combo->count() == entries.size();
    for (int i = 0; same && i < entries.size(); ++i) same = combo->itemText(i) == entries[i];
    if (!same) {
        combo->clear();
        combo->addItems(entries);
    }
    // Without a chosen entry the box shows its caption when that is one of the entries.
    const int index = control.selected >= 0 && control.selected < combo->count()
                          ? control.selected
                          : static_cast<int>(entries.indexOf(fromGameText(control.caption)));
    if (combo->currentIndex() != index) combo->setCurrentIndex(index);
}

QPalette paletteFor(const QWidget* widget, const Control& control) {
    QPalette palette = QApplication::palette(widget);
    auto set = [&palette](QPalette::ColorRole role, const QColor& colour) {
        palette.setColor(QPalette::Active, role, colour);
        palette.setColor(QPalette::Inactive, role, colour);
    };
    const auto back = control.backColor;
    const auto fore = control.foreColor;
    switch (control.kind) {
    case ControlKind::Panel:
        if (back) set(QPalette::Window, colourOf(*back, palette));
        // A thin line light enough to show on every board.
        if (control.framed) set(QPalette::WindowText, QColor(160, 160, 160));
        break;
    case ControlKind::Picture:
        set(QPalette::Window, back ? colourOf(*back, palette) : kPictureFallback);
        break;
    case ControlKind::Label:
        if (back) set(QPalette::Window, colourOf(*back, palette));
        if (fore) set(QPalette::WindowText, colourOf(*fore, palette));
        break;
    case ControlKind::Button:
        if (back) {
            const QColor face = colourOf(*back, palette);
            const QColor text = fore ? colourOf(*fore, palette) : contrastOf(face);
            set(QPalette::Button, face);
            set(QPalette::ButtonText, text);
            // Disabled keeps the theme's face, with the text half faded into it.
            palette.setColor(QPalette::Disabled, QPalette::Button, face);
            palette.setColor(QPalette::Disabled, QPalette::ButtonText,
                             QColor((face.red() + text.red()) / 2,
                                    (face.green() + text.green()) / 2,
                                    (face.blue() + text.blue()) / 2));
        }
        break;
    case ControlKind::TextBox:
    case ControlKind::ListBox:
    case ControlKind::FileList:
    case ControlKind::ComboBox:
        if (back) {
            set(QPalette::Base, colourOf(*back, palette));
            set(QPalette::Window, colourOf(*back, palette));
            set(QPalette::Button, colourOf(*back, palette));
        }
        if (fore) {
            set(QPalette::Text, colourOf(*fore, palette));
            set(QPalette::ButtonText, colourOf(*fore, palette));
        }
        break;
    }
    return palette;
}

} // namespace

// The help viewer's text keeps a small margin, ends above the buttons in front of its
// lower part and stays inside the window where the box runs past its edges.
QMargins textMargins(const WindowModel& model, ControlId id) {
    constexpr int kMargin = 6;
    const QRect box = pixelRect(model[id]);
    const QRect view(0, 0, pixels(clientWidth(model)), pixels(clientHeight(model)));
    int bottom = std::min(box.bottom(), view.bottom());
    for (const QRect& front : controlsInFront(model, id))
        if (front.top() > box.height() / 2) bottom = std::min(bottom, box.top() + front.top() - 1);
    return QMargins(kMargin, kMargin / 2, kMargin + std::max(0, box.right() - view.right()),
                    kMargin / 2 + box.bottom() - bottom);
}

void ControlWidgets::syncContent(ControlId id, const WindowModel& model, bool showing,
                                 PictureCache& pictures) {
    QWidget* w = widget(id);
    const Control& control = model[id];
    switch (control.kind) {
    case ControlKind::Panel:
        break;
    case ControlKind::Button: {
        auto* button = static_cast<FaceButton*>(w);
        const QString text = fromGameText(control.caption);
        if (button->text() != text) button->setText(text);
        const QPalette& palette = button->palette();
        if (control.backColor) {
            const QColor face = colourOf(*control.backColor, palette);
            button->setFace(face, control.foreColor ? colourOf(*control.foreColor, palette)
                                                    : contrastOf(face));
        } else {
            button->setFace(std::nullopt, {});
        }
        break;
    }
    case ControlKind::Label: {
        auto* label = static_cast<FlowLabel*>(w);
        label->setText(fromGameText(control.caption));
        label->setObstacles(controlsInFront(model, id));
        label->setAutoFillBackground(!control.transparent);
        break;
    }
    case ControlKind::Picture: {
        // Loaded when first shown: the start picture is not needed at every start-up.
        if (!showing) break;
        auto* label = static_cast<QLabel*>(w);
        const QPixmap& pixmap = pictures.picture(id, control.picture, kStartResource);
        if (label->pixmap().cacheKey() != pixmap.cacheKey()) label->setPixmap(pixmap);
        // Nothing to show: a plain dark fill rather than the window's grey.
        label->setAutoFillBackground(pixmap.isNull());
        break;
    }
    case ControlKind::TextBox:
        if (auto* lines = dynamic_cast<MarginTextEdit*>(w)) {
            const QString text = fromGameLines(control.caption);
            if (lines->toPlainText() != text) lines->setPlainText(text);
            lines->setMargins(textMargins(model, id));
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            const QString text = fromGameText(control.caption);
            // Setting the same text would move the cursor to the end.
            if (edit->text() != text) edit->setText(text);
        }
        break;
    case ControlKind::ListBox:
    case ControlKind::FileList:
        syncList(static_cast<QListWidget*>(w), control);
        break;
    case ControlKind::ComboBox:
        syncCombo(static_cast<QComboBox*>(w), control);
        break;
    }
}

void ControlWidgets::syncLook(QWidget* w, const Control& control) {
    if (w->testAttribute(Qt::WA_Disabled) == control.enabled) w->setEnabled(control.enabled);
    const QFont font = fontOf(control.font);
    if (w->font() != font) w->setFont(font);
    const QPalette palette = paletteFor(w, control);
    if (w->palette() != palette) w->setPalette(palette);
    const QRect place = pixelRect(control);
    if (w->geometry() != place) w->setGeometry(place);
}

} // namespace quirn::qt
