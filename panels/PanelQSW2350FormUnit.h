#pragma once
// The front-panel view of the QSW-2350.
#include "PanelForm.h"

class TPanelQSW2350Form : public TPanelForm {
public:
    TPanelQSW2350Form(ui::Component* owner, TPanelHost& host);
};
