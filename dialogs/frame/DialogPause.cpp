#include "DialogPause.h"

#include <QEventLoop>
#include <QTimer>

namespace {
DialogPauseHook& Hook() {
    static DialogPauseHook hook;
    return hook;
}
}  // namespace

void SetDialogPauseHook(DialogPauseHook hook) { Hook() = std::move(hook); }

void DialogPause(int milliseconds) {
    if (Hook()) {
        Hook()(milliseconds);
        return;
    }
    if (milliseconds <= 0) return;
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}
