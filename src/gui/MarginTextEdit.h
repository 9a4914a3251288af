// A multi-line box whose text keeps clear of given margins, so nothing in front of the
// box or past the window's edge covers its lines.
#pragma once

#include <QMargins>
#include <QPlainTextEdit>

namespace quirn::qt {

class MarginTextEdit : public QPlainTextEdit {
  public:
    using QPlainTextEdit::QPlainTextEdit;
    void setMargins(const QMargins& margins) {
        if (viewportMargins() != margins) setViewportMargins(margins);
    }
};

} // namespace quirn::qt
