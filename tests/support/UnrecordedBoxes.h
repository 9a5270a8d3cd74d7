#pragma once
// A message box no test records would wait for a click that never comes offscreen: it fails the test instead.
#include "Dialogs.h"
#include "Types.h"
#include "TestHooks.h"

#include <gtest/gtest.h>

namespace testsupport {

inline void FailOnUnrecordedMessageBoxes() {
    ui::TestHooks::SetMessageBoxHook([](const ui::MessageBoxCall& call) -> int {
        ADD_FAILURE() << "unexpected message box \"" << call.Text << "\"";
        return ui::mrCancel;
    });
}

}  // namespace testsupport
