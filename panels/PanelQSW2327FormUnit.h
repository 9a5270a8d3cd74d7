#pragma once
// The front-panel view of the QSW-2327.
#include "PanelForm.h"

class TPanelQSW2327Form : public TPanelForm {
public:
    TPanelQSW2327Form(ui::Component* owner, TPanelHost& host);
};
