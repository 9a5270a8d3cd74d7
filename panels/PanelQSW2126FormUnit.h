#pragma once
// The front-panel view of the QSW-2126.
#include "PanelForm.h"

class TPanelQSW2126Form : public TPanelForm {
public:
    TPanelQSW2126Form(ui::Component* owner, TPanelHost& host);
};
