#pragma once
// Pauses of the dialogs that wait a fixed time between steps. The GUI thread keeps processing events while it
// waits (it never sleeps), so answers and repaints go on. Tests replace the wait with a hook that records it.
#include <functional>

using DialogPauseHook = std::function<void(int milliseconds)>;
// Replaces every pause until the hook is cleared (an empty hook waits for real again).
void SetDialogPauseHook(DialogPauseHook hook);
void DialogPause(int milliseconds);
