#pragma once

#include <QObject>

namespace quirn::qt::test {

class BoardPressTest : public QObject {
    Q_OBJECT
  private slots:
    void pressReachesSegment_data();
    void pressReachesSegment();
    void paintedBoardShowsEachLook();
};

} // namespace quirn::qt::test
