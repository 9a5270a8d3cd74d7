#pragma once
// TProgressForm: a timed "Progress" box shown inside the calling dialog while the switch carries out
// a slow change. It counts timer ticks from its creation and closes on the tick after its bar is full.
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Form.h"
#include "StdCtrls.h"

class TProgressForm : public ui::Form {
public:
    // parentForm (may be null) is the dialog the box shows in.
    TProgressForm(ui::Component* owner, ui::Form* parentForm);

    ui::Label* LB_Prompt;
    ui::ProgressBar* ProgressBar;
    ui::Timer* ProgressTimer;

    void FormCreate(ui::Component* sender);
    void FormClose(ui::Component* sender, ui::CloseAction& action);
    void ProgressTimerTimer(ui::Component* sender);
};

extern TProgressForm* ProgressForm;
