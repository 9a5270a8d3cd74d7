#include "TBasicFormUnit.h"

#include "Screen.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <algorithm>

namespace {
bool IsValueControl(const ui::Control* control) {
    return dynamic_cast<const ui::Edit*>(control) || dynamic_cast<const ui::ComboBox*>(control);
}
}  // namespace

TBasicForm::TBasicForm(ui::Component* owner, int designWidth, int designHeight) : ui::Form(owner) {
    int width = designWidth;
    int height = designHeight;
    if (ui::Screen::PixelsPerInch() != 96) {
        width = static_cast<int>(width * 1.25);
        height = static_cast<int>(height * 1.25);
    }
    SetBounds(Left(), Top(), width, height);
    SetPosition(ui::poMainFormCenter);
    AllPortsText = BitNumbersText(PortsPerUnit);
}

void TBasicForm::DisableOne(ui::Control* control, bool emptyEdit) {
    if (!control) return;
    if (IsValueControl(control)) {
        if (auto* edit = dynamic_cast<ui::Edit*>(control); edit && emptyEdit) edit->SetText("");
        control->SetEnabled(false);
        control->SetColor(ui::clMenu);
    } else if (auto* box = dynamic_cast<ui::CheckBox*>(control)) {
        box->SetChecked(false);
        box->SetEnabled(false);
    } else if (auto* radio = dynamic_cast<ui::RadioButton*>(control)) {
        radio->SetChecked(false);
        radio->SetEnabled(false);
    }
}

void TBasicForm::DisableControl(ui::Control* control) { DisableOne(control, false); }

void TBasicForm::DisableControls(int count, std::initializer_list<ui::Control*> controls) {
    const int handled = std::min(std::max(count, 1), static_cast<int>(controls.size()));
    auto it = controls.begin();
    for (int i = 0; i < handled; ++i, ++it) DisableOne(*it, true);
}

void TBasicForm::EnableControl(ui::Control* control) {
    if (!control) return;
    if (IsValueControl(control)) {
        control->SetEnabled(true);
        control->SetColor(ui::clWindow);
    } else if (dynamic_cast<ui::CheckBox*>(control) || dynamic_cast<ui::RadioButton*>(control)) {
        control->SetEnabled(true);
    }
}

void TBasicForm::ResetControls(const std::vector<ui::Control*>& list) {
    for (ui::Control* control : list) {
        if (auto* combo = dynamic_cast<ui::ComboBox*>(control))
            combo->SetItemIndex(0);  // an empty combo box selects nothing
        else if (auto* edit = dynamic_cast<ui::Edit*>(control))
            edit->SetText("");
    }
}

void TBasicForm::UncheckControls(const std::vector<ui::Control*>& list) {
    for (ui::Control* control : list)
        if (auto* box = dynamic_cast<ui::CheckBox*>(control)) box->SetChecked(false);
}
