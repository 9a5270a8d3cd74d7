#include "ProgressForm2Unit.h"

#include "ComCtrls.h"
#include "ProgressSupport.h"
#include "WaitingSupport.h"

TProgressForm2* ProgressForm2 = nullptr;

TProgressForm2::TProgressForm2(ui::Component* owner, ui::Form* parentForm)
    : ui::Form(owner),
      LB_Prompt(BuildProgressBox(*this, 16, 7)),
      ProgressBar(new ui::ProgressBar(this)),
      ProgressTimer(new ui::Timer(this)) {
    SetName("ProgressForm2");
    ProgressBar->SetName("ProgressBar");
    ProgressBar->SetParent(this);
    ProgressBar->SetBounds(16, 32, 329, 16);
    ProgressBar->SetRange(0, 76);

    ProgressTimer->SetName("ProgressTimer");
    ProgressTimer->SetEnabled(false);
    ProgressTimer->SetInterval(1000);
    ProgressTimer->OnTimer = [this](ui::Component* sender) { ProgressTimerTimer(sender); };

    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    OnClose = [this](ui::Component* sender, ui::CloseAction& action) { FormClose(sender, action); };
    DoCreate();
    PlaceInside(*this, parentForm);
}

void TProgressForm2::FormCreate(ui::Component*) { ProgressTimer->SetEnabled(true); }

void TProgressForm2::ProgressTimerTimer(ui::Component*) {
    if (ProgressBar->Position() >= TickBudget) {
        Close();
        return;
    }
    AdvanceWrapping(*ProgressBar, 1);
}

void TProgressForm2::FormClose(ui::Component*, ui::CloseAction&) { EndProgressBox(*this, *ProgressTimer); }
