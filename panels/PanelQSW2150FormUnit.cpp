#include "PanelQSW2150FormUnit.h"

TPanelQSW2150Form::TPanelQSW2150Form(ui::Component* owner, TPanelHost& host) : TPanelForm(owner, host, "QSW-2150") {}
