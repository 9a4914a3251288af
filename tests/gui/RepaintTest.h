#pragma once

#include <QObject>

namespace quirn::qt::test {

class RepaintTest : public QObject {
    Q_OBJECT
  private slots:
    void pressRepaintsOnlyItsSegment();
};

} // namespace quirn::qt::test
