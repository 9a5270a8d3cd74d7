#include "GUIWaitingFormUnit.h"

#include "ComCtrls.h"
#include "ExtCtrls.h"

TGUIWaitingForm* GUIWaitingForm = nullptr;

TGUIWaitingForm::TGUIWaitingForm(ui::Component* owner)
    : WaitingFormBase(owner, "GUIWaitingForm", "Please Wait...", 500) {}

void TGUIWaitingForm::FormActivate(ui::Component*) {
    Timer1->SetEnabled(true);
    // Forty ticks fill the bar: 200 and 50 ms for the default two seconds.
    ProgressBar1->SetMax(Duration / 10);
    Timer1->SetInterval(Duration / 10 / 40 * 10);
    RunBuildOnce(RunTimedPanelBuild);
}

void TGUIWaitingForm::Timer1Timer(ui::Component*) {
    if (!counting_) {
        counting_ = true;
        Remaining = Duration;
    }
    Remaining -= Timer1->Interval();
    if (Remaining <= 0) {
        Close();
        return;
    }
    if (ProgressBar1->Position() < ProgressBar1->Max()) AdvanceWrapping(*ProgressBar1, 20);
}
