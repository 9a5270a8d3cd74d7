#pragma once
// TProgressForm2: a timed "Progress" box shown inside the calling dialog; it closes on the first tick
// that finds its bar at TickBudget (ticks of one second by default).
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Form.h"
#include "StdCtrls.h"

class TProgressForm2 : public ui::Form {
public:
    // parentForm (may be null) is the dialog the box shows in.
    TProgressForm2(ui::Component* owner, ui::Form* parentForm);

    ui::Label* LB_Prompt;
    ui::ProgressBar* ProgressBar;
    ui::Timer* ProgressTimer;
    // At most 75: the bar wraps to 0 on reaching its maximum of 76, so a larger budget is never met.
    int TickBudget = 30;

    void FormCreate(ui::Component* sender);
    void FormClose(ui::Component* sender, ui::CloseAction& action);
    void ProgressTimerTimer(ui::Component* sender);
};

extern TProgressForm2* ProgressForm2;
