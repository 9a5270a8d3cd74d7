#pragma once
// TGUIWaitingForm: the "Please Wait..." variant of the waiting form, which also closes once its
// Duration has passed.
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Form.h"

class TGUIWaitingForm : public ui::Form {
public:
    explicit TGUIWaitingForm(ui::Component* owner);

    ui::ProgressBar* ProgressBar1;
    ui::Timer* Timer1;
    unsigned char Activated = 0;
    int Duration = 2000;  // milliseconds; the caller may change it before showing the form
    int Remaining = 0;    // milliseconds left, counted by the timer from its first tick

    void FormCreate(ui::Component* sender);
    void FormActivate(ui::Component* sender);
    void FormClose(ui::Component* sender, ui::CloseAction& action);
    void Timer1Timer(ui::Component* sender);

private:
    bool counting_ = false;
};

extern TGUIWaitingForm* GUIWaitingForm;
