#include "PanelQSW2126FormUnit.h"

TPanelQSW2126Form::TPanelQSW2126Form(ui::Component* owner, TPanelHost& host) : TPanelForm(owner, host, "QSW-2126") {}
