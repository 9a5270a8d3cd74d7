#include "GUIWaitingFormUnit.h"

#include "ComCtrls.h"
#include "WaitingSupport.h"

TGUIWaitingForm* GUIWaitingForm = nullptr;

TGUIWaitingForm::TGUIWaitingForm(ui::Component* owner)
    : ui::Form(owner), ProgressBar1(new ui::ProgressBar(this)), Timer1(new ui::Timer(this)) {
    SetName("GUIWaitingForm");
    SetCaption("Please Wait...");
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
    Timer1->SetInterval(500);
    Timer1->OnTimer = [this](ui::Component* sender) { Timer1Timer(sender); };

    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    OnActivate = [this](ui::Component* sender) { FormActivate(sender); };
    OnClose = [this](ui::Component* sender, ui::CloseAction& action) { FormClose(sender, action); };
    DoCreate();
}

void TGUIWaitingForm::FormCreate(ui::Component*) {
    Activated = 0;
    Timer1->SetEnabled(false);
}

void TGUIWaitingForm::FormActivate(ui::Component*) {
    Timer1->SetEnabled(true);
    // Forty ticks fill the bar: 200 and 50 ms for the default two seconds.
    ProgressBar1->SetMax(Duration / 10);
    Timer1->SetInterval(Duration / 10 / 40 * 10);
    if (Activated) return;
    Activated = 1;
    RunThenPostClose(*this, [this] {
        if (PanelBuildSteps* steps = FindPanelBuildSteps(*this)) RunTimedPanelBuild(*steps);
    });
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

void TGUIWaitingForm::FormClose(ui::Component*, ui::CloseAction&) { Timer1->SetEnabled(false); }
