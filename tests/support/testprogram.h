#pragma once

// What any test program may need: where the sources are, how long a call took, and a main
// for the programs that play sounds.

#include <QElapsedTimer>
#include <QString>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace pipwell::testing {

inline QString sourceDir() {
    const QString fromEnv = qEnvironmentVariable("PIPWELL_SOURCE_DIR");
    return fromEnv.isEmpty() ? QStringLiteral(PIPWELL_SOURCE_DIR_FALLBACK) : fromEnv;
}

// How long the call held its caller, in ms.
inline qint64 msTaken(const std::function<void()> &call) {
    QElapsedTimer clock;
    clock.start();
    call();
    return clock.elapsed();
}

// libpulse occasionally asserts while a test program exits (more so once its server has been
// killed): once the results are out, the program leaves without running exit handlers.
[[noreturn]] inline void exitSkippingHandlers(int status) {
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}

template <typename App, typename Test> [[noreturn]] void runAndLeave(int argc, char **argv) {
    App app(argc, argv);
    int status = 0;
    {
        // Destroyed before the exit, which runs no destructors, to clean up its files.
        Test test;
        status = QTest::qExec(&test, argc, argv);
    }
    exitSkippingHandlers(status);
}

} // namespace pipwell::testing

// As QTEST_MAIN, but leaving without exit handlers.
#define PIPWELL_TEST_MAIN_LEAVING(App, Test)                                                       \
    int main(int argc, char **argv) {                                                              \
        pipwell::testing::runAndLeave<App, Test>(argc, argv);                                      \
    }
