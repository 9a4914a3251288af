#pragma once

#include <QObject>

namespace quirn::qt::test {

class BoardPressTest : public QObject {
    Q_OBJECT
  private slots:
    void pressReachesSegment_data();
    void pressReachesSegment();
    void paintedBoardShowsEachLook();
    void picturesLoadOnceWhenNeeded();
};

} // namespace quirn::qt::test
