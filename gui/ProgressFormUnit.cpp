#include "ProgressFormUnit.h"

#include "ComCtrls.h"

TProgressForm* ProgressForm = nullptr;

TProgressForm::TProgressForm(ui::Component* owner, ui::Form* parentForm)
    : ProgressFormBase(owner, parentForm, {"ProgressForm", 3, {23, 26, 323, 42}, 50}) {
    ProgressBar->SetStep(20);
}

void TProgressForm::ProgressTimerTimer(ui::Component*) {
    if (ProgressBar->Position() >= ProgressBar->Max()) {
        Close();
        return;
    }
    ProgressBar->SetPosition(ProgressBar->Position() + 1);
}
