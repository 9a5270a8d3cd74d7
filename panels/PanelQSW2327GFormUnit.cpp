#include "PanelQSW2327GFormUnit.h"

TPanelQSW2327GForm::TPanelQSW2327GForm(ui::Component* owner, TPanelHost& host) : TPanelForm(owner, host, "QSW-2327G") {}
