#include "AclRuleFields.h"

#include "DialogMessages.h"
#include "EditorInput.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <algorithm>
#include <initializer_list>

namespace {

constexpr long long MaxRxRate = 156249;

bool Touches(BoxTouch touch, const ui::CheckBox* box) {
    return touch == BoxTouch::Always || (touch == BoxTouch::WhenEnabled && box->Enabled());
}

std::vector<ApplyBox> ApplyBoxesOf(const std::vector<AclRuleField>& fields) {
    std::vector<ApplyBox> boxes;
    boxes.reserve(fields.size());
    for (const AclRuleField& field : fields) boxes.push_back(field.Apply);
    return boxes;
}

// Enables or disables the controls that are there (the DSCP replacement ones may not be).
void Enable(std::initializer_list<ui::Control*> controls, bool enabled) {
    for (ui::Control* control : controls)
        if (control) SetEditorEnabled(control, enabled);
}

// Checks and enables box for "enabled", else unchecks and disables it, with its editors.
void FollowChoice(ui::ComboBox* choice, std::initializer_list<ui::CheckBox*> boxes,
                  std::initializer_list<ui::Control*> editors) {
    if (!choice) return;
    const bool enabled = choice->Text() == "enabled";
    for (ui::CheckBox* box : boxes) {
        box->SetChecked(enabled);
        box->SetEnabled(enabled);
    }
    Enable(editors, enabled);
}

}  // namespace

// ------------------------------------------------------------------------------------------------ field table

AclRuleFields::AclRuleFields(std::vector<AclRuleField> fields)
    : fields_(std::move(fields)), boxes_(ApplyBoxesOf(fields_)) {}

void AclRuleFields::CheckAll() const {
    for (const AclRuleField& field : fields_)
        if (Touches(field.CheckAll, field.Apply.Box)) field.Apply.Box->SetChecked(true);
}

void AclRuleFields::ClearChecks() const {
    for (const AclRuleField& field : fields_)
        if (Touches(field.ClearChecks, field.Apply.Box)) field.Apply.Box->SetChecked(false);
}

void AclRuleFields::ResetChecks() const {
    for (const AclRuleField& field : fields_)
        if (Touches(field.Reset, field.Apply.Box)) field.Apply.Box->SetChecked(false);
}

std::vector<int> AclRuleFields::UncheckedColumns() const {
    std::vector<int> columns;
    for (const AclRuleField& field : fields_)
        if (!field.Apply.Box->Checked()) columns.push_back(field.Apply.Column);
    return columns;
}

// ------------------------------------------------------------------------------------------------ action

AclRuleAction::AclRuleAction(AclActionControls controls, AclActionColumns columns)
    : controls_(controls), columns_(columns) {}

void AclRuleAction::ActionChanged() const {
    const AclActionControls& c = controls_;
    const std::string action = c.Permit->Text();
    if (action == "deny" || action == "mirror") {
        Enable(
            {c.EnablePriority, c.Priority, c.ReplacePriority, c.EnablePriorityBox, c.PriorityBox, c.ReplacePriorityBox,
             c.EnableReplaceDscp, c.ReplaceDscp, c.EnableReplaceDscpBox, c.ReplaceDscpBox, c.RxRate, c.RxRateBox},
            false);
        Enable({c.MirrorGroup, c.MirrorGroupBox}, action == "mirror");
    } else if (action == "permit") {
        Enable({c.MirrorGroup, c.MirrorGroupBox}, false);
        Enable(
            {c.RxRate, c.RxRateBox, c.EnableReplaceDscpBox, c.EnablePriority, c.EnablePriorityBox, c.EnableReplaceDscp},
            true);
        PriorityChanged();
        ReplaceDscpChanged();
    }
}

void AclRuleAction::PriorityChanged() const {
    const AclActionControls& c = controls_;
    FollowChoice(c.EnablePriority, {c.PriorityBox, c.ReplacePriorityBox}, {c.Priority, c.ReplacePriority});
}

void AclRuleAction::ReplaceDscpChanged() const {
    const AclActionControls& c = controls_;
    if (c.ReplaceDscpBox) FollowChoice(c.EnableReplaceDscp, {c.ReplaceDscpBox}, {c.ReplaceDscp});
}

std::vector<int> AclRuleAction::DenyLeftOut() const {
    if (!controls_.PermitBox->Checked() || controls_.Permit->Text() != "deny") return {};
    std::vector<int> columns;
    for (int column : {columns_.EnablePriority, columns_.Priority, columns_.ReplacePriority, columns_.EnableReplaceDscp,
                       columns_.ReplaceDscp, columns_.RxRate, columns_.MirrorGroup})
        if (column >= 0) columns.push_back(column);
    return columns;
}

std::vector<int> AclRuleAction::PriorityLeftOut(const ui::ListView& rows) const {
    std::string enablePriority = "disabled";
    if (const ui::ListItem* row = rows.Selected()) {
        // Sub-item k shows column k + 1; a row without the cell leaves the columns as they are.
        const int subItem = columns_.EnablePriority - 1;
        const std::string cell = row->SubItems().Count() > subItem ? row->SubItems()[subItem] : std::string();
        if (cell.empty()) return {};
        enablePriority = cell;
    }
    if (controls_.EnablePriorityBox->Checked()) enablePriority = controls_.EnablePriority->Text();
    if (enablePriority != "disabled") return {};
    return {columns_.Priority, columns_.ReplacePriority};
}

bool AclRuleAction::RxRateInRange(ui::Control* owner) const {
    const long long rate = TextToIntDef(controls_.RxRate->Text(), -1);
    if (rate >= 0 && rate <= MaxRxRate) return true;
    RefuseInput(owner, "RX Rate should between 0-156249", controls_.RxRate);
    return false;
}

bool RuleHasPort(ui::Control* owner, const TStackingPortUitForm* selector) {
    const bool ticked = selector && std::any_of(selector->PortCheckBoxes.begin(), selector->PortCheckBoxes.end(),
                                                [](const ui::CheckBox* box) { return box->Checked(); });
    if (!ticked) ShowMessage(owner, "You must choose at least 1 port!");
    return ticked;
}
