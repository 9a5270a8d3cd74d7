#include "PanelQSW2312GFormUnit.h"

TPanelQSW2312GForm::TPanelQSW2312GForm(ui::Component* owner, TPanelHost& host) : TPanelForm(owner, host, "QSW-2312G") {}
