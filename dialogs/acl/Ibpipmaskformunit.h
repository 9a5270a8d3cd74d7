#pragma once
// TIBPIPMaskForm: the IP-MAC binding's IP profiles, shown read-only (Ibpviewunit.h).
#include "Ibpviewunit.h"

class TIBPIPMaskForm : public TIBPViewForm {
public:
    explicit TIBPIPMaskForm(ui::Component* owner);

    ui::Button* BT_Get = nullptr;
    ui::Edit* edtID = nullptr;
    ui::Edit* edtSrcMacMask = nullptr;
    ui::Edit* edtSrcIPMask = nullptr;
};

extern TIBPIPMaskForm* IBPIPMaskForm;  // the open dialog, else null
