#include "PanelQSW2350FormUnit.h"

TPanelQSW2350Form::TPanelQSW2350Form(ui::Component* owner, TPanelHost& host) : TPanelForm(owner, host, "QSW-2350") {}
