#include "PanelQSW2327FormUnit.h"

TPanelQSW2327Form::TPanelQSW2327Form(ui::Component* owner, TPanelHost& host) : TPanelForm(owner, host, "QSW-2327") {}
