#include "ProgressForm2Unit.h"

#include "ComCtrls.h"
#include "WaitingSupport.h"

TProgressForm2* ProgressForm2 = nullptr;

TProgressForm2::TProgressForm2(ui::Component* owner, ui::Form* parentForm)
    : ProgressFormBase(owner, parentForm, {"ProgressForm2", 7, {16, 32, 345, 48}, 76}) {}

void TProgressForm2::ProgressTimerTimer(ui::Component*) {
    if (ProgressBar->Position() >= TickBudget) {
        Close();
        return;
    }
    AdvanceWrapping(*ProgressBar, 1);
}
