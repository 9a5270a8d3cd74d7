#include "ExtCtrls.h"
#include "ProgressForm2Unit.h"
#include "ProgressFormUnit.h"

#include "ComCtrls.h"
#include "StdCtrls.h"
#include "TestHooks.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Ticks the form's timer from inside its modal loop and reports the tick on which it closed (0: not
// within maxTicks; the driver then closes it so the test ends).
template <class Form>
int TicksUntilClosed(Form& form, int maxTicks) {
    int closedOn = 0;
    ui::TestHooks::RunInNextModal([&](ui::Form&) {
        for (int tick = 1; tick <= maxTicks; ++tick) {
            form.ProgressTimer->OnTimer(form.ProgressTimer);
            if (form.ModalResult() != ui::mrNone) {
                closedOn = tick;
                return;
            }
        }
        form.Close();
    });
    form.ShowModal();
    return closedOn;
}

class ProgressForms : public testing::Test {
protected:
    ProgressForms() {
        dialog->SetClientWidth(500);
        dialog->SetClientHeight(300);
    }
    std::unique_ptr<ui::Form> dialog = std::make_unique<ui::Form>(nullptr);
};

TEST_F(ProgressForms, ProgressFormShowsInsideItsDialogAndCountsFromCreation) {
    TProgressForm form(nullptr, dialog.get());
    EXPECT_EQ(form.Caption(), "Progress");
    EXPECT_EQ(form.ClientWidth(), 358);
    EXPECT_EQ(form.ClientHeight(), 66);
    EXPECT_EQ(form.Parent(), dialog.get());
    EXPECT_EQ(form.Left(), (500 - 358) / 2);
    EXPECT_EQ(form.Top(), (300 - 66) / 2);
    EXPECT_TRUE(form.ProgressTimer->Enabled());
    EXPECT_EQ(form.ProgressTimer->Interval(), 1000);
    EXPECT_TRUE(form.LB_Prompt->Font().Bold);
    EXPECT_EQ(form.LB_Prompt->Left(), 16);
    EXPECT_EQ(form.LB_Prompt->Top(), 3);
    EXPECT_EQ(form.ProgressBar->BoundsRect(), (ui::Rect{23, 26, 323, 42}));
    EXPECT_EQ(form.ProgressBar->Max(), 50);
}

TEST_F(ProgressForms, ProgressFormClosesOnTheTickAfterItsBarIsFull) {
    TProgressForm form(nullptr, dialog.get());
    form.SetCaption("Enable STP Progress");
    form.LB_Prompt->SetCaption("Enable STP is doing...");
    EXPECT_EQ(TicksUntilClosed(form, 60), 51);
    EXPECT_EQ(form.ProgressBar->Position(), 50);
    EXPECT_FALSE(form.ProgressTimer->Enabled());
    EXPECT_EQ(form.Parent(), nullptr);
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(form.ClientWidth(), 358);
    EXPECT_EQ(form.ClientHeight(), 66);
}

TEST_F(ProgressForms, ProgressForm2ClosesAfterItsBudget) {
    struct Case {
        int Budget, ClosingTick;
    };
    for (const Case c : {Case{30, 31}, Case{15, 16}, Case{0, 1}, Case{75, 76}}) {
        TProgressForm2 form(nullptr, dialog.get());
        EXPECT_EQ(form.TickBudget, 30);
        form.TickBudget = c.Budget;
        EXPECT_EQ(TicksUntilClosed(form, 200), c.ClosingTick) << c.Budget;
        EXPECT_EQ(form.ProgressBar->Position(), c.Budget);
        EXPECT_FALSE(form.ProgressTimer->Enabled());
        EXPECT_EQ(form.Parent(), nullptr);
    }
}

TEST_F(ProgressForms, ProgressForm2BarWrapsAtItsMaximum) {
    TProgressForm2 form(nullptr, nullptr);
    EXPECT_EQ(form.Parent(), nullptr);
    EXPECT_EQ(form.ProgressBar->Max(), 76);
    EXPECT_EQ(form.ProgressBar->BoundsRect(), (ui::Rect{16, 32, 345, 48}));
    EXPECT_EQ(form.LB_Prompt->Top(), 7);
    form.TickBudget = 1000;  // never met: the bar wraps before it
    for (int tick = 1; tick <= 80; ++tick) form.ProgressTimer->OnTimer(form.ProgressTimer);
    EXPECT_EQ(form.ProgressBar->Position(), 80 - 76);
}

TEST_F(ProgressForms, ProgressForm2ClosesByItsOwnTimer) {
    TProgressForm2 form(nullptr, dialog.get());
    form.TickBudget = 2;
    form.ProgressTimer->SetInterval(1);
    form.ShowModal();  // returns when the timer has closed it
    EXPECT_EQ(form.ProgressBar->Position(), 2);
    EXPECT_EQ(form.Parent(), nullptr);
}

}  // namespace
