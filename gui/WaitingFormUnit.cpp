#include "WaitingFormUnit.h"

#include "ComCtrls.h"
#include "ExtCtrls.h"

TWaitingForm* WaitingForm = nullptr;

TWaitingForm::TWaitingForm(ui::Component* owner) : WaitingFormBase(owner, "WaitingForm", "Refreshing panel", 1000) {}

void TWaitingForm::FormActivate(ui::Component*) {
    Timer1->SetEnabled(true);
    RunBuildOnce(RunPanelBuild);
}

void TWaitingForm::Timer1Timer(ui::Component*) {
    // Cycles without end: only the close message posted after the steps ends the wait.
    if (ProgressBar1->Position() >= ProgressBar1->Max()) {
        Close();
        return;
    }
    AdvanceWrapping(*ProgressBar1, 20);
}
