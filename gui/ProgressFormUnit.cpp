#include "ProgressFormUnit.h"

#include "ComCtrls.h"
#include "ProgressSupport.h"

TProgressForm* ProgressForm = nullptr;

TProgressForm::TProgressForm(ui::Component* owner, ui::Form* parentForm)
    : ui::Form(owner),
      LB_Prompt(BuildProgressBox(*this, 16, 3)),
      ProgressBar(new ui::ProgressBar(this)),
      ProgressTimer(new ui::Timer(this)) {
    SetName("ProgressForm");
    ProgressBar->SetName("ProgressBar");
    ProgressBar->SetParent(this);
    ProgressBar->SetBounds(23, 26, 300, 16);
    ProgressBar->SetRange(0, 50);
    ProgressBar->SetStep(20);

    ProgressTimer->SetName("ProgressTimer");
    ProgressTimer->SetEnabled(false);
    ProgressTimer->SetInterval(1000);
    ProgressTimer->OnTimer = [this](ui::Component* sender) { ProgressTimerTimer(sender); };

    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    OnClose = [this](ui::Component* sender, ui::CloseAction& action) { FormClose(sender, action); };
    DoCreate();
    PlaceInside(*this, parentForm);
}

void TProgressForm::FormCreate(ui::Component*) { ProgressTimer->SetEnabled(true); }

void TProgressForm::ProgressTimerTimer(ui::Component*) {
    if (ProgressBar->Position() >= ProgressBar->Max()) {
        Close();
        return;
    }
    ProgressBar->SetPosition(ProgressBar->Position() + 1);
}

void TProgressForm::FormClose(ui::Component*, ui::CloseAction&) { EndProgressBox(*this, *ProgressTimer); }
