#pragma once
// Menu commands run for real against the switch simulator: the module's application object at 96 dots per inch,
// the simulator's port as the device default, and helpers to find what a dialog holds.
#include "Application.h"
#include "CommandEngine.h"
#include "Program.h"
#include "SimDialogFixture.h"

#include <optional>

namespace commandtest {

inline CommandContext DeviceContext() {
    CommandContext context;
    context.DeviceAddress = "127.0.0.1";
    return context;
}

using simdialog::FindOwned;

class CommandDialogTest : public simdialog::SimDialogTest {
protected:
    int argc_ = 1;
    char name_[16] = "qsw2126p-mgr";
    char* argv_[2] = {name_, nullptr};
    std::optional<ui::Application> app_;

    void SetUp() override {
        app_.emplace(argc_, argv_);
        app_->SetTitle(ApplicationTitle);
        ui::TestHooks::SetPixelsPerInch(96);
        SimDialogTest::SetUp();
    }
    void TearDown() override {
        SimDialogTest::TearDown();
        ui::TestHooks::SetPixelsPerInch(0);
        app_.reset();
    }
};

}  // namespace commandtest
