#include "NxValueCheckControls.h"

#include "StdCtrls.h"

std::string ControlText(const ui::Control* control) {
    if (auto* edit = dynamic_cast<const ui::Edit*>(control)) return edit->Text();
    if (auto* combo = dynamic_cast<const ui::ComboBox*>(control)) return combo->Text();
    if (auto* label = dynamic_cast<const ui::Label*>(control)) return label->Caption();
    if (auto* memo = dynamic_cast<const ui::Memo*>(control)) return memo->Text();
    if (auto* box = dynamic_cast<const ui::CheckBox*>(control)) return box->Caption();
    if (auto* button = dynamic_cast<const ui::Button*>(control)) return button->Caption();
    return {};
}

void SetControlText(ui::Control* control, const std::string& text) {
    if (auto* edit = dynamic_cast<ui::Edit*>(control)) edit->SetText(text);
    else if (auto* combo = dynamic_cast<ui::ComboBox*>(control)) combo->SetText(text);
    else if (auto* label = dynamic_cast<ui::Label*>(control)) label->SetCaption(text);
    else if (auto* memo = dynamic_cast<ui::Memo*>(control)) memo->SetText(text);
    else if (auto* box = dynamic_cast<ui::CheckBox*>(control)) box->SetCaption(text);
    else if (auto* button = dynamic_cast<ui::Button*>(control)) button->SetCaption(text);
}

bool CheckIpText(ui::Control* control) { return CheckIpText(ControlText(control)); }
bool CheckMulticastIpText(ui::Control* control) { return CheckMulticastIpText(ControlText(control)); }
bool CheckIpv6HexText(ui::Control* control) { return CheckIpv6HexText(ControlText(control)); }
bool CheckMacText(ui::Control* control) { return CheckMacText(ControlText(control)); }
bool CheckMulticastMacText(ui::Control* control) { return CheckMulticastMacText(ControlText(control)); }
bool CheckUnicastMacText(ui::Control* control) { return CheckUnicastMacText(ControlText(control)); }
bool CheckNetmaskText(ui::Control* control) { return CheckNetmaskText(ControlText(control)); }

bool NormalizeHexWordText(ui::Control* control) {
    std::string text = ControlText(control);
    if (!NormalizeHexWordText(text)) return false;
    SetControlText(control, text);
    return true;
}
