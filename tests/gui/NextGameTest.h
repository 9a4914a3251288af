#pragma once

#include <QObject>

namespace quirn::qt::test {

class NextGameTest : public QObject {
    Q_OBJECT
  private slots:
    void winningEnablesNextGame();
};

} // namespace quirn::qt::test
