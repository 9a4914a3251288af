// One painted widget filling the client area behind every control: the board picture,
// the status label, the clues and the segments. Presses go to the core's hit test.
#pragma once

#include "core/app/Form1.h"
#include "gui/Dispatch.h"
#include "gui/PictureCache.h"

#include <QWidget>

namespace quirn::qt {

class BoardWidget : public QWidget {
  public:
    BoardWidget(const Form1& form, PictureCache& pictures, Dispatch dispatch, QWidget* parent);

    // Qt button to the button number the handlers take: 1 left, 2 right, 4 middle.
    static int buttonNumber(Qt::MouseButton button);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    const Form1& form_;
    PictureCache& pictures_;
    Dispatch dispatch_;
};

} // namespace quirn::qt
