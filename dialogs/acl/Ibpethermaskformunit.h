#pragma once
// TIBPACLEtherMaskForm: the IP-MAC binding's Ethernet profiles, shown read-only (Ibpviewunit.h).
#include "Ibpviewunit.h"

class TIBPACLEtherMaskForm : public TIBPViewForm {
public:
    explicit TIBPACLEtherMaskForm(ui::Component* owner);

    ui::Button* BT_Get = nullptr;
    ui::Edit* edtID = nullptr;
    ui::ComboBox* cbxEtherType = nullptr;
};

extern TIBPACLEtherMaskForm* IBPACLEtherMaskForm;  // the open dialog, else null
