#include "ExtCtrls.h"
#include "GUIWaitingFormUnit.h"
#include "WaitingFormUnit.h"
#include "WaitingSupport.h"

#include "Application.h"
#include "ComCtrls.h"
#include "Exception.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The main window as the waiting forms see it: it records the steps run.
class RecordingMainWindow : public ui::Form, public PanelBuildSteps {
public:
    RecordingMainWindow() : ui::Form(nullptr) {}

    bool firstInit = true;
    bool initSucceeds = true;
    std::string throwIn;
    std::vector<std::string> steps;

    bool FirstInit() const override { return firstInit; }
    bool InitUnitInformation() override { return Step("InitUnitInformation") && initSucceeds; }
    void ClosePanels() override { Step("ClosePanels"); }
    void ClearPortButtonList() override { Step("ClearPortButtonList"); }
    void BuildPanels() override { Step("BuildPanels"); }
    void AssignPortPopup() override { Step("AssignPortPopup"); }
    void SetPortButtonClick() override { Step("SetPortButtonClick"); }
    void UpdateRmonMenus() override { Step("UpdateRmonMenus"); }
    void Update8021xMenus() override { Step("Update8021xMenus"); }
    void UpdateStackMenus() override { Step("UpdateStackMenus"); }

private:
    bool Step(const std::string& name) {
        steps.push_back(name);
        if (name == throwIn) throw Exception("Get Unit Information Failed");
        return true;
    }
};

using Steps = std::vector<std::string>;
const Steps hookAndMenus = {"BuildPanels", "AssignPortPopup", "SetPortButtonClick"};

Steps Join(std::initializer_list<Steps> parts) {
    Steps all;
    for (const Steps& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

template <class WaitingForm>
Steps ShowModally(RecordingMainWindow& main) {
    WaitingForm form(&main);
    const ui::ModalResult result = form.ShowModal();  // returns only when the form closed itself
    EXPECT_EQ(result, ui::mrCancel);
    EXPECT_EQ(form.Activated, 1);
    EXPECT_FALSE(form.Timer1->Enabled());
    return main.steps;
}

TEST(TWaitingForm, DesignAndCreate) {
    TWaitingForm form(nullptr);
    EXPECT_EQ(form.Caption(), "Refreshing panel");
    EXPECT_EQ(form.ClientWidth(), 396);
    EXPECT_EQ(form.ClientHeight(), 24);
    EXPECT_EQ(form.ProgressBar1->Max(), 600);
    EXPECT_EQ(form.ProgressBar1->Align(), ui::alClient);
    EXPECT_FALSE(form.Timer1->Enabled());
    EXPECT_EQ(form.Timer1->Interval(), 1000);
    EXPECT_EQ(form.Activated, 0);
}

TEST(TWaitingForm, RunsTheBuildOnceShownAndClosesItself) {
    struct Case {
        const char* Name;
        bool FirstInit, InitSucceeds;
        const char* ThrowIn;
        Steps Expected;
    };
    const Steps menus = {"UpdateRmonMenus", "Update8021xMenus", "UpdateStackMenus"};
    const Case cases[] = {
        {"first build", true, true, "", Join({{"InitUnitInformation"}, hookAndMenus, menus})},
        {"rebuild", false, true, "",
         Join({{"InitUnitInformation", "ClosePanels", "ClearPortButtonList"}, hookAndMenus, menus})},
        {"unit information fails", true, false, "", {"InitUnitInformation"}},
        {"rebuild, unit information fails", false, false, "", {"InitUnitInformation"}},
        {"a step raises", true, true, "AssignPortPopup", {"InitUnitInformation", "BuildPanels", "AssignPortPopup"}},
    };
    for (const Case& c : cases) {
        RecordingMainWindow main;
        main.firstInit = c.FirstInit;
        main.initSucceeds = c.InitSucceeds;
        main.throwIn = c.ThrowIn;
        EXPECT_EQ(ShowModally<TWaitingForm>(main), c.Expected) << c.Name;
    }
}

TEST(TWaitingForm, WithoutStepsInItsOwnerItRunsTheMainFormsSteps) {
    RecordingMainWindow main;
    ui::Application& app = ui::Application::Instance();
    ui::Form* previous = app.MainForm();
    app.SetMainForm(&main);
    {
        TWaitingForm form(nullptr);
        form.SetCaption("Initializing Panel");
        form.ShowModal();
    }
    app.SetMainForm(previous);
    ASSERT_FALSE(main.steps.empty());
    EXPECT_EQ(main.steps.front(), "InitUnitInformation");

    TWaitingForm alone(nullptr);  // no steps anywhere: it only closes
    EXPECT_EQ(alone.ShowModal(), ui::mrCancel);
}

TEST(TWaitingForm, SecondActivationRunsNothing) {
    RecordingMainWindow main;
    TWaitingForm form(&main);
    form.Show();
    const Steps once = main.steps;
    ASSERT_FALSE(once.empty());
    form.FormActivate(&form);
    EXPECT_EQ(main.steps, once);
    EXPECT_TRUE(form.Timer1->Enabled());
    while (form.Visible()) ui::Application::Instance().ProcessMessages();  // the posted close
    EXPECT_FALSE(form.Timer1->Enabled());
}

TEST(TWaitingForm, BarCyclesWithoutClosingTheForm) {
    TWaitingForm form(nullptr);
    int closes = 0;
    const ui::CloseEvent formClose = form.OnClose;
    form.OnClose = [&](ui::Component* sender, ui::CloseAction& action) {
        ++closes;
        formClose(sender, action);
    };
    for (int tick = 1; tick <= 60; ++tick) {
        form.Timer1->OnTimer(form.Timer1);
        EXPECT_EQ(form.ProgressBar1->Position(), tick % 30 * 20) << tick;
    }
    EXPECT_EQ(closes, 0);
    form.ProgressBar1->SetPosition(600);  // a full bar, which the cycle itself never leaves
    form.Timer1->OnTimer(form.Timer1);
    EXPECT_EQ(closes, 1);
}

TEST(TGUIWaitingForm, RunsTheShorterBuild) {
    const Steps first = Join({{"InitUnitInformation"}, hookAndMenus, {"Update8021xMenus", "UpdateStackMenus"}});
    const Steps rebuild =
        Join({{"InitUnitInformation", "ClosePanels", "ClearPortButtonList"}, hookAndMenus, {"Update8021xMenus"}});
    RecordingMainWindow firstMain;
    EXPECT_EQ(ShowModally<TGUIWaitingForm>(firstMain), first);
    RecordingMainWindow rebuildMain;
    rebuildMain.firstInit = false;
    EXPECT_EQ(ShowModally<TGUIWaitingForm>(rebuildMain), rebuild);
    RecordingMainWindow failing;
    failing.initSucceeds = false;
    EXPECT_EQ(ShowModally<TGUIWaitingForm>(failing), Steps{"InitUnitInformation"});
}

TEST(TGUIWaitingForm, ActivationSizesBarAndTimerFromDuration) {
    struct Case {
        int Duration, Max, Interval;
    };
    for (const Case c : {Case{2000, 200, 50}, Case{4000, 400, 100}, Case{1000, 100, 20}, Case{2500, 250, 60}}) {
        TGUIWaitingForm form(nullptr);
        EXPECT_EQ(form.Caption(), "Please Wait...");
        EXPECT_EQ(form.Timer1->Interval(), 500);
        EXPECT_EQ(form.Duration, 2000);
        EXPECT_EQ(form.Remaining, 0);
        form.Duration = c.Duration;
        form.FormActivate(&form);
        EXPECT_EQ(form.ProgressBar1->Max(), c.Max) << c.Duration;
        EXPECT_EQ(form.Timer1->Interval(), c.Interval) << c.Duration;
        EXPECT_TRUE(form.Timer1->Enabled());
    }
}

TEST(TGUIWaitingForm, ClosesWhenItsDurationHasPassed) {
    struct Case {
        int Duration, ClosingTick;
    };
    for (const Case c : {Case{2000, 40}, Case{4000, 40}, Case{2500, 42}}) {
        TGUIWaitingForm form(nullptr);
        form.Duration = c.Duration;
        int closes = 0;
        const ui::CloseEvent formClose = form.OnClose;
        form.OnClose = [&](ui::Component* sender, ui::CloseAction& action) {
            ++closes;
            formClose(sender, action);
        };
        form.FormActivate(&form);
        for (int tick = 1; tick < c.ClosingTick; ++tick) form.Timer1->OnTimer(form.Timer1);
        EXPECT_EQ(closes, 0) << c.Duration;
        EXPECT_EQ(form.Remaining, c.Duration - (c.ClosingTick - 1) * form.Timer1->Interval());
        form.Timer1->OnTimer(form.Timer1);
        EXPECT_EQ(closes, 1) << c.Duration;
        EXPECT_FALSE(form.Timer1->Enabled());
    }
}

TEST(TGUIWaitingForm, BarCyclesInStepsOfTwenty) {
    TGUIWaitingForm form(nullptr);
    form.FormActivate(&form);  // maximum 200
    for (int tick = 1; tick <= 20; ++tick) {
        form.Timer1->OnTimer(form.Timer1);
        EXPECT_EQ(form.ProgressBar1->Position(), tick % 10 * 20) << tick;
    }
}

}  // namespace
