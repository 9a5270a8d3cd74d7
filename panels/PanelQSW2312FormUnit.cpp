#include "PanelQSW2312FormUnit.h"

TPanelQSW2312Form::TPanelQSW2312Form(ui::Component* owner, TPanelHost& host) : TPanelForm(owner, host, "QSW-2312") {}
