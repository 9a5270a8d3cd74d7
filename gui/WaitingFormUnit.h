#pragma once
// TWaitingForm: the modal "Refreshing panel" box in which the main window builds its front-panel
// views. It runs the main window's steps on its first activation and then closes itself.
#include "WaitingSupport.h"

class TWaitingForm : public WaitingFormBase {
public:
    explicit TWaitingForm(ui::Component* owner);

    void FormActivate(ui::Component* sender) override;
    void Timer1Timer(ui::Component* sender) override;
};

extern TWaitingForm* WaitingForm;
