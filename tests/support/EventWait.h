#pragma once
// Event-loop waits and output paths shared by the GUI test suites (header-only: the suites link Qt themselves).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <cstdlib>
#include <functional>
#include <string>

namespace testsupport {

// Lets events run until done() holds or the time is up; returns done().
inline bool RunEventsUntil(const std::function<bool()>& done, int seconds) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < seconds * 1000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return done();
}

// Lets events run for ms milliseconds.
inline void PumpEvents(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

// A file in the build directory, for screenshots a person looks at.
inline std::string OutputPath(const std::string& name) {
    const char* binary = std::getenv("QSW_BINARY_DIR");
    return std::string(binary ? binary : ".") + "/" + name;
}

}  // namespace testsupport
