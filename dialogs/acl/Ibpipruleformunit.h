#pragma once
// TIBPIPRuleForm: the IP-MAC binding's IP rules, shown read-only (Ibpviewunit.h).
#include "Ibpviewunit.h"

class TIBPIPRuleForm : public TIBPViewForm {
public:
    explicit TIBPIPRuleForm(ui::Component* owner);

    ui::Button* btnRefresh = nullptr;
    ui::Edit* edtMaskID = nullptr;
    ui::Edit* edtAccessID = nullptr;
    ui::Edit* edtSrcMac = nullptr;
    ui::Edit* edtSrcIP = nullptr;
    ui::ComboBox* cbxPermit = nullptr;
};

extern TIBPIPRuleForm* IBPIPRuleForm;  // the open dialog, else null
