#pragma once

#include <QObject>

namespace quirn::qt::test {

class FinishTest : public QObject {
    Q_OBJECT
  private slots:
    void buttonFaceIsTheThemeColour_data();
    void buttonFaceIsTheThemeColour();
    void ruleSentenceEndsLeftOfOk_data();
    void ruleSentenceEndsLeftOfOk();
    void keysCloseTheStartScreenAndOpenTheRules();
};

} // namespace quirn::qt::test
