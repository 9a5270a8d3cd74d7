#include "PanelQSW2127FormUnit.h"

TPanelQSW2127Form::TPanelQSW2127Form(ui::Component* owner, TPanelHost& host) : TPanelForm(owner, host, "QSW-2127") {}
