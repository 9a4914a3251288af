// A label whose lines flow around the controls lying in front of it, so none of its text
// hides behind them; when the text would not fit its height it takes smaller type.
#pragma once

#include <QFont>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>
#include <vector>

namespace quirn::qt {

struct FlowedLine {
    QPointF position; // top-left of the line
    qreal width = 0;  // of the line's text
    QString text;
};

struct FlowedText {
    QFont font;
    std::vector<FlowedLine> lines;
    bool fits = false; // every line lies within the box's height
};

// Word-wrapped within box.width(); a line whose height meets an obstacle ends left of
// it. Type shrinks a pixel at a time, down to 8 pixels, until the text fits the height.
FlowedText flowText(const QString& text, QFont font, QSize box,
                    const std::vector<QRect>& obstacles);

class FlowLabel : public QWidget {
  public:
    explicit FlowLabel(QWidget* parent) : QWidget(parent) {}

    void setText(const QString& text);
    const QString& text() const { return text_; }
    // Rectangles in the label's own coordinates.
    void setObstacles(std::vector<QRect> obstacles);
    const FlowedText& flowed() const { return flowed_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void relayout();

    QString text_;
    std::vector<QRect> obstacles_;
    FlowedText flowed_;
};

} // namespace quirn::qt
