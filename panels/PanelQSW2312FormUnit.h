#pragma once
// The front-panel view of the QSW-2312.
#include "PanelForm.h"

class TPanelQSW2312Form : public TPanelForm {
public:
    TPanelQSW2312Form(ui::Component* owner, TPanelHost& host);
};
