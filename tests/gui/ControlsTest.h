#pragma once

#include <QObject>

namespace quirn::qt::test {

class ControlsTest : public QObject {
    Q_OBJECT
  private slots:
    void helpViewerScrollsWithoutBars();
    void themeColoursReachWidgets_data();
    void themeColoursReachWidgets();
};

} // namespace quirn::qt::test
