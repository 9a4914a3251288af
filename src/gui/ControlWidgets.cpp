#include "gui/ControlWidgets.h"

#include "gui/FaceButton.h"
#include "gui/FlowLabel.h"
#include "gui/Look.h"
#include "gui/MarginTextEdit.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>

namespace quirn::qt {
namespace {

QWidget* createTextBox(ControlId id, const Control& control, QWidget* parent,
                       const Dispatch& dispatch) {
    if (control.multiLine) {
        auto* edit = new MarginTextEdit(parent);
        // Designed without scroll bars; the wheel and the keys still scroll.
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setFrameShape(QFrame::NoFrame);
        // The margins around the text take the box's own colour.
        edit->setAutoFillBackground(true);
        QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [dispatch, id, edit] {
            const std::string text = toGameLines(edit->toPlainText());
            dispatch([id, text](Form1& form) { form.setText(id, text); });
        });
        return edit;
    }
    auto* edit = new QLineEdit(parent);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [dispatch, id](const QString& typed) {
        const std::string text = toGameText(typed);
        dispatch([id, text](Form1& form) { form.setText(id, text); });
    });
    return edit;
}

// Scroll bars that show on the black lists: a light handle in a dark groove.
void lightenScrollBars(QListWidget* list) {
    QPalette palette = list->palette();
    palette.setColor(QPalette::Window, QColor(48, 48, 48));
    palette.setColor(QPalette::Base, QColor(48, 48, 48));
    palette.setColor(QPalette::Button, QColor(170, 170, 170));
    palette.setColor(QPalette::Light, QColor(210, 210, 210));
    palette.setColor(QPalette::Midlight, QColor(190, 190, 190));
    palette.setColor(QPalette::Mid, QColor(120, 120, 120));
    palette.setColor(QPalette::Dark, QColor(90, 90, 90));
    palette.setColor(QPalette::Shadow, QColor(20, 20, 20));
    palette.setColor(QPalette::ButtonText, QColor(20, 20, 20));
    list->verticalScrollBar()->setPalette(palette);
    list->horizontalScrollBar()->setPalette(palette);
}

QWidget* createList(const Control& control, QWidget* parent, const Dispatch& dispatch) {
    auto* list = new QListWidget(parent);
    lightenScrollBars(list);
    if (control.kind == ControlKind::FileList) {
        // A file opens on a click (or Enter), never because the list took the focus.
        const auto open = [list, dispatch](QListWidgetItem* item) {
            const int row = list->row(item);
            if (row >= 0) dispatch([row](Form1& form) { form.chooseFile(row); });
        };
        QObject::connect(list, &QListWidget::itemClicked, list, open);
        QObject::connect(list, &QListWidget::itemActivated, list, open);
        return list;
    }
    QObject::connect(list, &QListWidget::currentRowChanged, list, [dispatch](int row) {
        if (row >= 0) dispatch([row](Form1& form) { form.selectListEntry(row); });
    });
    return list;
}

QWidget* createPanel(const Control& control, QWidget* parent, QWidget*& inside) {
    auto* frame = new QFrame(parent);
    frame->setAutoFillBackground(true);
    if (!control.framed) {
        inside = frame;
        return frame;
    }
    // A thin line; the panel's controls lie inside it and are cut off at it.
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
    inside = new QWidget(frame);
    inside->setAutoFillBackground(true);
    return frame;
}

} // namespace

std::vector<QRect> controlsInFront(const WindowModel& model, ControlId id) {
    const Control& self = model[id];
    const QRect own = pixelRect(self);
    std::vector<QRect> found;
    for (int i = 0; i < static_cast<int>(id); ++i) {
        const auto other = static_cast<ControlId>(i);
        const Control& control = model[other];
        if (control.parent != self.parent || !model.showing(other)) continue;
        const bool takesClicks = control.kind == ControlKind::Button ||
                                 (control.kind == ControlKind::TextBox && !control.multiLine);
        const QRect rect = pixelRect(control);
        if (takesClicks && rect.intersects(own)) found.push_back(rect.translated(-own.topLeft()));
    }
    return found;
}

QWidget* ControlWidgets::inside(ControlId id) const {
    return insides_[static_cast<int>(id)] ? insides_[static_cast<int>(id)] : widget(id);
}

QWidget* ControlWidgets::create(ControlId id, const Control& control, QWidget* parent) {
    const Dispatch& dispatch = dispatch_;
    switch (control.kind) {
    case ControlKind::Panel:
        return createPanel(control, parent, insides_[static_cast<int>(id)]);
    case ControlKind::Button: {
        auto* button = new FaceButton(parent);
        QObject::connect(button, &QPushButton::clicked, button, [dispatch, id] {
            dispatch([id](Form1& form) { form.clickControl(id); });
        });
        return button;
    }
    case ControlKind::Label:
        return new FlowLabel(parent);
    case ControlKind::Picture: {
        auto* picture = new QLabel(parent);
        picture->setScaledContents(true);
        return picture;
    }
    case ControlKind::TextBox:
        return createTextBox(id, control, parent, dispatch);
    case ControlKind::ListBox:
    case ControlKind::FileList:
        return createList(control, parent, dispatch);
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        QObject::connect(combo, &QComboBox::activated, combo, [dispatch](int index) {
            dispatch([index](Form1& form) { form.chooseComboEntry(index); });
        });
        return combo;
    }
    }
    return nullptr;
}

void ControlWidgets::build(QWidget* client, const Dispatch& dispatch) {
    client_ = client;
    dispatch_ = dispatch;
}

bool ControlWidgets::createShown(const WindowModel& model) {
    const QRect view(0, 0, pixels(clientWidth(model)), pixels(clientHeight(model)));
    bool created = false;
    // Panels come before their children, so the parent widget exists already.
    for (int i = 0; i < kControlCount; ++i) {
        const auto id = static_cast<ControlId>(i);
        if (widgets_[i] || !hasWidget(id) || !model.showing(id)) continue;
        const Control& control = model[id];
        // The text stores below the view are never seen.
        if (!control.parent && !view.intersects(pixelRect(control))) continue;
        QWidget* parent = control.parent ? inside(*control.parent) : client_;
        widgets_[i] = create(id, control, parent);
        widgets_[i]->setObjectName(QString::fromLatin1(controlName(id)));
        created = true;
    }
    return created;
}

void ControlWidgets::sync(const WindowModel& model, PictureCache& pictures) {
    if (createShown(model)) {
        // The front-to-back order is fixed: raising back to front restores it.
        for (int i = kControlCount - 1; i >= 0; --i)
            if (widgets_[i]) widgets_[i]->raise();
    }
    for (int i = 0; i < kControlCount; ++i) {
        QWidget* w = widgets_[i];
        if (!w) continue;
        const Control& control = model.controls[i];
        const auto id = static_cast<ControlId>(i);
        const bool showing = model.showing(id);
        // Labels and the help viewer also keep clear of the controls in front of them.
        std::vector<QRect> front;
        if (control.kind == ControlKind::Label || control.multiLine)
            front = controlsInFront(model, id);
        if (synced_[i] == control && syncedShowing_[i] == showing && syncedFront_[i] == front)
            continue;
        synced_[i] = control;
        syncedShowing_[i] = showing;
        syncedFront_[i] = std::move(front);
        const QSignalBlocker blocker(w);
        syncLook(w, control);
        syncContent(id, model, showing, pictures);
        if (w->isHidden() == control.visible) w->setVisible(control.visible);
        if (QWidget* content = insides_[i]; content && content != w)
            content->setGeometry(static_cast<QFrame*>(w)->contentsRect());
    }
}

} // namespace quirn::qt
