#pragma once
// The front-panel view of the QSW-2312G.
#include "PanelForm.h"

class TPanelQSW2312GForm : public TPanelForm {
public:
    TPanelQSW2312GForm(ui::Component* owner, TPanelHost& host);
};
