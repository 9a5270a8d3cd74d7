#include "WaitingSupport.h"

#include "Application.h"
#include "ComCtrls.h"

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
