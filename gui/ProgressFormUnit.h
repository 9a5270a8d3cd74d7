#pragma once
// TProgressForm: a timed "Progress" box shown inside the calling dialog while the switch carries out
// a slow change. It counts timer ticks from its creation and closes on the tick after its bar is full.
#include "ProgressSupport.h"

class TProgressForm : public ProgressFormBase {
public:
    // parentForm (may be null) is the dialog the box shows in.
    TProgressForm(ui::Component* owner, ui::Form* parentForm);

    void ProgressTimerTimer(ui::Component* sender) override;
};

extern TProgressForm* ProgressForm;
