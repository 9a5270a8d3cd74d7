#include "WaitingSupport.h"

#include "Application.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"

namespace {
enum class Menus { WithRmon, WithoutRmon };

void BuildAndHook(PanelBuildSteps& steps) {
    steps.BuildPanels();
    steps.AssignPortPopup();
    steps.SetPortButtonClick();
}

void ClearOldPanels(PanelBuildSteps& steps) {
    steps.ClosePanels();
    steps.ClearPortButtonList();
}
}  // namespace

void RunPanelBuild(PanelBuildSteps& steps) {
    const bool firstBuild = steps.FirstInit();
    if (!steps.InitUnitInformation()) return;
    if (!firstBuild) ClearOldPanels(steps);
    BuildAndHook(steps);
    steps.UpdateRmonMenus();
    steps.Update8021xMenus();
    steps.UpdateStackMenus();
}

void RunTimedPanelBuild(PanelBuildSteps& steps) {
    const bool firstBuild = steps.FirstInit();
    if (!steps.InitUnitInformation()) return;
    if (!firstBuild) ClearOldPanels(steps);
    BuildAndHook(steps);
    steps.Update8021xMenus();
    if (firstBuild) steps.UpdateStackMenus();
}

PanelBuildSteps* FindPanelBuildSteps(const ui::Form& form) {
    if (auto* steps = dynamic_cast<PanelBuildSteps*>(form.Owner())) return steps;
    auto* app = ui::Application::InstanceOrNull();
    return app ? dynamic_cast<PanelBuildSteps*>(app->MainForm()) : nullptr;
}

void RunThenPostClose(ui::Form& form, const std::function<void()>& work) {
    try {
        work();
    } catch (...) {
        // Swallowed: the steps have put their own message in the main window's status bar.
    }
    ui::PostMessage(&form, ui::WM_CLOSE);
}

void AdvanceWrapping(ui::ProgressBar& bar, int step) {
    bar.SetPosition(bar.Position() + step);
    if (bar.Position() >= bar.Max()) bar.SetPosition(bar.Min());
}

WaitingFormBase::WaitingFormBase(ui::Component* owner, const char* name, const char* caption, int timerInterval)
    : ui::Form(owner), ProgressBar1(new ui::ProgressBar(this)), Timer1(new ui::Timer(this)) {
    SetName(name);
    SetCaption(caption);
    SetBorderStyle(ui::bsSingle);
    SetPosition(ui::poMainFormCenter);
    SetClientWidth(396);
    SetClientHeight(24);

    ProgressBar1->SetName("ProgressBar1");
    ProgressBar1->SetParent(this);
    ProgressBar1->SetAlign(ui::alClient);
    ProgressBar1->SetRange(0, 600);
    ProgressBar1->SetSmooth(true);
    ProgressBar1->SetStep(20);

    Timer1->SetName("Timer1");
    Timer1->SetEnabled(false);
    Timer1->SetInterval(timerInterval);
    Timer1->OnTimer = [this](ui::Component* sender) { Timer1Timer(sender); };

    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    OnActivate = [this](ui::Component* sender) { FormActivate(sender); };
    OnClose = [this](ui::Component* sender, ui::CloseAction& action) { FormClose(sender, action); };
    DoCreate();
}

void WaitingFormBase::FormCreate(ui::Component*) {
    Activated = 0;
    Timer1->SetEnabled(false);
}

void WaitingFormBase::RunBuildOnce(void (*build)(PanelBuildSteps&)) {
    if (Activated) return;
    Activated = 1;
    RunThenPostClose(*this, [this, build] {
        if (PanelBuildSteps* steps = FindPanelBuildSteps(*this)) build(*steps);
    });
}

void WaitingFormBase::FormClose(ui::Component*, ui::CloseAction&) { Timer1->SetEnabled(false); }
