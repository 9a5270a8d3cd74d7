#include "Screen.h"

#include "TestHooks.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace ui {

int Screen::PixelsPerInch() {
    if (const int forced = TestHooks::PixelsPerInchOverride(); forced > 0) return forced;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInch())) : 96;
}

double Screen::ScaleFactor() { return PixelsPerInch() == 96 ? 1.0 : 1.25; }

int Screen::Width() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 1024;
}

int Screen::Height() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 768;
}

}  // namespace ui
