#include "WaitingFormUnit.h"

#include "ComCtrls.h"
#include "WaitingSupport.h"

TWaitingForm* WaitingForm = nullptr;

TWaitingForm::TWaitingForm(ui::Component* owner)
    : ui::Form(owner), ProgressBar1(new ui::ProgressBar(this)), Timer1(new ui::Timer(this)) {
    SetName("WaitingForm");
    SetCaption("Refreshing panel");
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
    Timer1->SetInterval(1000);
    Timer1->OnTimer = [this](ui::Component* sender) { Timer1Timer(sender); };

    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    OnActivate = [this](ui::Component* sender) { FormActivate(sender); };
    OnClose = [this](ui::Component* sender, ui::CloseAction& action) { FormClose(sender, action); };
    DoCreate();
}

void TWaitingForm::FormCreate(ui::Component*) {
    Activated = 0;
    Timer1->SetEnabled(false);
}

void TWaitingForm::FormActivate(ui::Component*) {
    Timer1->SetEnabled(true);
    if (Activated) return;
    Activated = 1;
    RunThenPostClose(*this, [this] {
        if (PanelBuildSteps* steps = FindPanelBuildSteps(*this)) RunPanelBuild(*steps);
    });
}

void TWaitingForm::Timer1Timer(ui::Component*) {
    // Cycles without end: only the close message posted after the steps ends the wait.
    if (ProgressBar1->Position() >= ProgressBar1->Max()) {
        Close();
        return;
    }
    AdvanceWrapping(*ProgressBar1, 20);
}

void TWaitingForm::FormClose(ui::Component*, ui::CloseAction&) { Timer1->SetEnabled(false); }
