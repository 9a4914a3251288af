// Runs one widget suite, named by the first argument, or all of them.
#include "BoardPressTest.h"
#include "ControlsTest.h"
#include "FinishTest.h"
#include "NextGameTest.h"
#include "RepaintTest.h"
#include "WindowSizeTest.h"

#include <QApplication>
#include <QTest>
#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const char* only = argc > 1 ? argv[1] : nullptr;
    std::unique_ptr<QObject> suites[] = {
        std::make_unique<quirn::qt::test::BoardPressTest>(),
        std::make_unique<quirn::qt::test::WindowSizeTest>(),
        std::make_unique<quirn::qt::test::NextGameTest>(),
        std::make_unique<quirn::qt::test::ControlsTest>(),
        std::make_unique<quirn::qt::test::RepaintTest>(),
        std::make_unique<quirn::qt::test::FinishTest>(),
    };
    int failures = 0;
    int ran = 0;
    for (const auto& suite : suites) {
        const char* name = suite->metaObject()->className();
        const char* shortName = std::strrchr(name, ':') ? std::strrchr(name, ':') + 1 : name;
        if (only && std::strcmp(only, shortName) != 0) continue;
        ++ran;
        failures += QTest::qExec(suite.get(), 1, argv);
    }
    return ran == 0 ? 1 : failures;
}
