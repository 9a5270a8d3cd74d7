#pragma once
// What the waiting and progress forms share: the main window's panel-building steps that a waiting
// form runs while it is shown, and the bar that cycles while they run.
#include "Form.h"

#include <functional>

namespace ui {
class ProgressBar;
}

// The main window's steps, as a waiting form runs them. The main window implements this and passes
// itself as the waiting form's owner.
class PanelBuildSteps {
public:
    virtual ~PanelBuildSteps() = default;
    virtual bool FirstInit() const = 0;         // true until the first "Refresh Panel"
    virtual bool InitUnitInformation() = 0;     // false: it has shown its own message
    virtual void ClosePanels() = 0;
    virtual void ClearPortButtonList() = 0;
    virtual void BuildPanels() = 0;
    virtual void AssignPortPopup() = 0;
    virtual void SetPortButtonClick() = 0;
    virtual void UpdateRmonMenus() = 0;
    virtual void Update8021xMenus() = 0;
    virtual void UpdateStackMenus() = 0;
};

// The sequence of the waiting form: first build, or rebuild after "Refresh Panel".
void RunPanelBuild(PanelBuildSteps& steps);
// The shorter sequence of the timed waiting form (no RMON menus; a rebuild leaves the stack menus).
void RunTimedPanelBuild(PanelBuildSteps& steps);

// The steps of the form's owner, else of the application's main form; null when neither has them.
PanelBuildSteps* FindPanelBuildSteps(const ui::Form& form);

// Runs work, swallowing what it raises (the steps report their own errors), then posts the close
// message to form, so that it closes once its modal loop handles messages again.
void RunThenPostClose(ui::Form& form, const std::function<void()>& work);

// Advances the bar by step; having just reached the maximum it starts again at the minimum.
void AdvanceWrapping(ui::ProgressBar& bar, int step);
