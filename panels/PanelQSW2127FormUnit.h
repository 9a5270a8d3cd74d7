#pragma once
// The front-panel view of the QSW-2127.
#include "PanelForm.h"

class TPanelQSW2127Form : public TPanelForm {
public:
    TPanelQSW2127Form(ui::Component* owner, TPanelHost& host);
};
