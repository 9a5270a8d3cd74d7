#pragma once
// The front-panel view of the QSW-2327G.
#include "PanelForm.h"

class TPanelQSW2327GForm : public TPanelForm {
public:
    TPanelQSW2327GForm(ui::Component* owner, TPanelHost& host);
};
