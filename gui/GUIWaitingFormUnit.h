#pragma once
// TGUIWaitingForm: the "Please Wait..." variant of the waiting form, which also closes once its
// Duration has passed.
#include "WaitingSupport.h"

class TGUIWaitingForm : public WaitingFormBase {
public:
    explicit TGUIWaitingForm(ui::Component* owner);

    int Duration = 2000;  // milliseconds; the caller may change it before showing the form
    int Remaining = 0;    // milliseconds left, counted by the timer from its first tick

    void FormActivate(ui::Component* sender) override;
    void Timer1Timer(ui::Component* sender) override;

private:
    bool counting_ = false;
};

extern TGUIWaitingForm* GUIWaitingForm;
