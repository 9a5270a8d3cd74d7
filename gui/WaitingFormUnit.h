#pragma once
// TWaitingForm: the modal "Refreshing panel" box in which the main window builds its front-panel
// views. It runs the main window's steps on its first activation and then closes itself.
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Form.h"

class TWaitingForm : public ui::Form {
public:
    explicit TWaitingForm(ui::Component* owner);

    ui::ProgressBar* ProgressBar1;
    ui::Timer* Timer1;
    unsigned char Activated = 0;

    void FormCreate(ui::Component* sender);
    void FormActivate(ui::Component* sender);
    void FormClose(ui::Component* sender, ui::CloseAction& action);
    void Timer1Timer(ui::Component* sender);
};

extern TWaitingForm* WaitingForm;
