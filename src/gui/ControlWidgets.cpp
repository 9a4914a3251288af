#include "gui/ControlWidgets.h"

#include "gui/Look.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace quirn::qt {
namespace {

QWidget* createTextBox(ControlId id, const Control& control, QWidget* parent,
                       const Dispatch& dispatch) {
    if (control.multiLine) {
        auto* edit = new QPlainTextEdit(parent);
        // Designed without scroll bars; the wheel still scrolls the hidden ones.
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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

QWidget* createList(const Control& control, QWidget* parent, const Dispatch& dispatch) {
    auto* list = new QListWidget(parent);
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

} // namespace

QWidget* ControlWidgets::create(ControlId id, const Control& control, QWidget* parent,
                                const Dispatch& dispatch) {
    switch (control.kind) {
    case ControlKind::Panel: {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(control.framed ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
        frame->setAutoFillBackground(true);
        return frame;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(parent);
        QObject::connect(button, &QPushButton::clicked, button, [dispatch, id] {
            dispatch([id](Form1& form) { form.clickControl(id); });
        });
        return button;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
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

void ControlWidgets::build(QWidget* client, const WindowModel& model, const Dispatch& dispatch) {
    for (int i = 0; i < kControlCount; ++i) {
        const auto id = static_cast<ControlId>(i);
        if (!hasWidget(id)) continue;
        const Control& control = model[id];
        // Panels come before their children, so the parent widget exists already.
        QWidget* parent = control.parent ? widget(*control.parent) : client;
        QWidget* created = create(id, control, parent, dispatch);
        created->setObjectName(QString::fromLatin1(controlName(id)));
        widgets_[i] = created;
    }
    // The front-to-back order is fixed, so raising once, back to front, sets it for good.
    for (int i = kControlCount - 1; i >= 0; --i)
        if (widgets_[i]) widgets_[i]->raise();
}

} // namespace quirn::qt
