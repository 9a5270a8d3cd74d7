#pragma once
// Event-loop waits and output paths shared by the GUI test suites (header-only: the suites link Qt themselves).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>

namespace testsupport {

// Runs what is due, or sleeps until something is or ms have passed. (processEvents with a time limit drops
// WaitForMoreEvents and never sleeps, so a loop of it spins a core.)
inline void WaitForEvents(int ms) {
    QObject wake;
    QTimer::singleShot(ms, &wake, [] {});
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Lets events run until done() holds or the time is up; returns done().
inline bool RunEventsUntil(const std::function<bool()>& done, int seconds) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < seconds * 1000)
        WaitForEvents(20);
    return done();
}

// Lets events run for ms milliseconds.
inline void PumpEvents(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) WaitForEvents(static_cast<int>(std::max<qint64>(1, ms - timer.elapsed())));
}

// A file in the build directory, for screenshots a person looks at.
inline std::string OutputPath(const std::string& name) {
    const char* binary = std::getenv("QSW_BINARY_DIR");
    return std::string(binary ? binary : ".") + "/" + name;
}

// A picture for the README: saved under $QSW_DOCS_DIR when scripts/docs-pictures runs the tests, else not at all.
template <typename Widget>
void SaveDocsPicture(Widget& widget, const std::string& name) {
    const char* dir = std::getenv("QSW_DOCS_DIR");
    if (dir == nullptr || *dir == 0) return;
    QCoreApplication::processEvents();
    widget.grab().save(QString::fromStdString(std::string(dir) + "/" + name));
}

}  // namespace testsupport
