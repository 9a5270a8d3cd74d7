#pragma once
// TProgressForm2: a timed "Progress" box shown inside the calling dialog; it closes on the first tick
// that finds its bar at TickBudget (ticks of one second by default).
#include "ProgressSupport.h"

class TProgressForm2 : public ProgressFormBase {
public:
    // parentForm (may be null) is the dialog the box shows in.
    TProgressForm2(ui::Component* owner, ui::Form* parentForm);

    // At most 75: the bar wraps to 0 on reaching its maximum of 76, so a larger budget is never met.
    int TickBudget = 30;

    void ProgressTimerTimer(ui::Component* sender) override;
};

extern TProgressForm2* ProgressForm2;
