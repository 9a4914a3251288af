#pragma once

#include <QObject>

namespace quirn::qt::test {

class WindowSizeTest : public QObject {
    Q_OBJECT
  private slots:
    void captionAndSizePerClass_data();
    void captionAndSizePerClass();
    void sizeCommandResizesWindow();
    void startScreenFitsTheWindow_data();
    void startScreenFitsTheWindow();
};

} // namespace quirn::qt::test
