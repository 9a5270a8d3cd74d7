// Application::Run ends the program's event loop, so each case runs in a child process.
#include "Application.h"
#include "Form.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class ApplicationRunDeathTest : public testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(ApplicationRunDeathTest, RunShowsMainFormAndEndsWhenItCloses) {
    EXPECT_EXIT(
        {
            auto& app = ui::Application::Instance();
            auto* main = app.CreateForm<ui::Form>();
            auto* second = app.CreateForm<ui::Form>();
            bool shown = false;
            main->OnShow = [&](ui::Component*) { shown = true; };
            ui::PostMessage(main, ui::WM_CLOSE);
            app.Run();
            const bool ok = shown && app.MainForm() == main && second != main && app.Terminated();
            std::_Exit(ok ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(ApplicationRunDeathTest, TerminateBeforeRunEndsLoopAtOnce) {
    EXPECT_EXIT(
        {
            auto& app = ui::Application::Instance();
            app.CreateForm<ui::Form>();
            app.Terminate();
            app.Run();
            std::_Exit(0);
        },
        testing::ExitedWithCode(0), "");
}

}  // namespace
