#pragma once
// The front-panel view of the QSW-2150.
#include "PanelForm.h"

class TPanelQSW2150Form : public TPanelForm {
public:
    TPanelQSW2150Form(ui::Component* owner, TPanelHost& host);
};
