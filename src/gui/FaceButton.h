// A push button that shows exactly the back colour the game gives it (the desktop style
// would shade it), with a caption readable whether it is enabled or not.
#pragma once

#include <QColor>
#include <QPushButton>
#include <optional>

namespace quirn::qt {

class FaceButton : public QPushButton {
  public:
    explicit FaceButton(QWidget* parent) : QPushButton(parent) {}

    // None: the desktop style draws the button.
    void setFace(std::optional<QColor> face, QColor caption);

    // A disabled caption: the enabled one moved a third of the way to the face, so it
    // still reads on any face and yet looks off.
    static QColor disabledCaption(const QColor& face, const QColor& caption);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<QColor> face_;
    QColor caption_;
};

} // namespace quirn::qt
