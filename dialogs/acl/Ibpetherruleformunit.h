#pragma once
// TIBPEtherRuleForm: the IP-MAC binding's Ethernet rules, shown read-only (Ibpviewunit.h).
#include "Ibpviewunit.h"

class TIBPEtherRuleForm : public TIBPViewForm {
public:
    explicit TIBPEtherRuleForm(ui::Component* owner);

    ui::Button* btnRefresh = nullptr;
    ui::Edit* edtMaskID = nullptr;
    ui::Edit* edtAccessID = nullptr;
    ui::Edit* edtRuleType = nullptr;
    ui::ComboBox* cbxPermit = nullptr;
};

extern TIBPEtherRuleForm* IBPEtherRuleForm;  // the open dialog, else null
