#pragma once
// What the waiting and progress forms share: the main window's panel-building steps that a waiting
// form runs while it is shown, the bar that cycles while they run, and the frame of both waiting forms.
#include "Form.h"

#include <functional>

namespace ui {
class ProgressBar;
class Timer;
}  // namespace ui

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

// The frame of both waiting forms: a small box with a cycling bar and a timer that stays
// off until the form is activated. Each form supplies its activation and its tick.
class WaitingFormBase : public ui::Form {
public:
    ui::ProgressBar* ProgressBar1;
    ui::Timer* Timer1;
    unsigned char Activated = 0;

    void FormCreate(ui::Component* sender);
    virtual void FormActivate(ui::Component* sender) = 0;
    void FormClose(ui::Component* sender, ui::CloseAction& action);
    virtual void Timer1Timer(ui::Component* sender) = 0;

protected:
    WaitingFormBase(ui::Component* owner, const char* name, const char* caption, int timerInterval);
    // On the first activation only: runs build with the main window's steps, then closes the form.
    void RunBuildOnce(void (*build)(PanelBuildSteps&));
};
