// The fixture's user actions on a shown dialog: a click or typing reaches only what a user can reach, and anything
// else fails the test without running the control's handler.
#include "DedicatedDialogFixture.h"

#include "DedicatedForm.h"

#include "StdCtrls.h"

#include <gtest/gtest-spi.h>

namespace {

using namespace dialogtest;

class TProbeForm : public TDedicatedForm {
public:
    explicit TProbeForm(ui::Component* owner) : TDedicatedForm(owner, 300, 200) {
        BuildButtonPanel("");
        Probe = NewPanelButton("Probe", "Probe", [this] { ++Clicks; });
        BuildTableArea("ListView1", 40, false);
        Name = NewEditorEdit("Name", "Name", 80);
        DoCreate();
    }
    ui::Button* Probe = nullptr;
    ui::Edit* Name = nullptr;
    int Clicks = 0;
};

class DialogFixtureTest : public DedicatedDialogTest {
protected:
    void Show(const std::function<void(TProbeForm&)>& driver) {
        TProbeForm dialog(&ui::Application::Instance());
        ShowWhen<TProbeForm>(
            dialog, [](TProbeForm&) { return true; }, driver);
    }
};

TEST_F(DialogFixtureTest, ClicksAndTypingReachOnlyEnabledShownControls) {
    Show([&](TProbeForm& form) {
        EXPECT_TRUE(UserClick(form.Probe));
        EXPECT_TRUE(TypeText(form.Name, "lab1"));
        EXPECT_EQ(form.Clicks, 1);
        EXPECT_EQ(form.Name->Text(), "lab1");

        form.Probe->SetEnabled(false);
        EXPECT_NONFATAL_FAILURE(UserClick(form.Probe), "click Probe: it is disabled");
        form.Probe->SetEnabled(true);
        form.Probe->Hide();
        EXPECT_NONFATAL_FAILURE(UserClick(form.Probe), "click Probe: it is hidden");
        EXPECT_EQ(form.Clicks, 1);

        form.Name->SetEnabled(false);
        EXPECT_NONFATAL_FAILURE(TypeText(form.Name, "x"), "type into Name: it is disabled");
        form.Name->SetEnabled(true);
        form.Name->SetReadOnly(true);
        EXPECT_NONFATAL_FAILURE(TypeText(form.Name, "x"), "type into Name: it is read-only");
        EXPECT_EQ(form.Name->Text(), "lab1");
    });
}

}  // namespace
