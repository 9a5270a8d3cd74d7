#pragma once
// What the access rule dialogs share (IPv4, Ethernet, IPv6 and packet content rules), held once:
// - the field table: each apply box with its column and editor, and what Check All, Clear Checks and the editor
//   reset do to the box (always, only while it is enabled, or never);
// - the action controls (permit, priority, DSCP replacement, RX rate, mirror group) and how the action, the
//   priority choice and the DSCP replacement choice enable them;
// - the columns a "deny" rule leaves out, the priority rule, the RX rate bounds and the port check.
//
// Rules a caller must know:
// - The action change disables controls without unchecking their boxes; a box disabled while checked stays checked
//   and is still honoured. The priority and DSCP replacement changes check and enable their boxes for "enabled" and
//   uncheck and disable them otherwise.
// - The priority rule: the effective "Enable Priority" is the form's choice when its box is checked, else the
//   selected row's cell; "disabled" leaves "Priority" and "Replace Priority" out. A selected row whose cell is empty
//   leaves nothing out; no row with the box unchecked leaves both out.
// - The port check counts every box of the selector (768 when stacked, else 64).
#include "ApplyBoxes.h"

#include <cstdint>
#include <vector>

class TStackingPortUitForm;
namespace ui {
class CheckBox;
class ComboBox;
class Control;
class Edit;
class ListView;
}  // namespace ui

// What a button or the reset does to one apply box.
enum class BoxTouch : uint8_t { Always, WhenEnabled, Never };

struct AclRuleField {
    ApplyBox Apply;
    BoxTouch CheckAll = BoxTouch::Always;
    BoxTouch ClearChecks = BoxTouch::Always;
    BoxTouch Reset = BoxTouch::Always;
};

class AclRuleFields {
public:
    AclRuleFields() = default;
    explicit AclRuleFields(std::vector<AclRuleField> fields);

    // The apply boxes in the table's order (the order of the checks of a write).
    const ApplyBoxes& Boxes() const { return boxes_; }
    void CheckAll() const;
    void ClearChecks() const;
    // The editor reset's unchecking.
    void ResetChecks() const;
    // The columns of the unchecked boxes.
    std::vector<int> UncheckedColumns() const;

private:
    std::vector<AclRuleField> fields_;
    ApplyBoxes boxes_;
};

// The action controls of a rule form; the DSCP replacement ones are null where the rule has none.
struct AclActionControls {
    ui::ComboBox* Permit = nullptr;
    ui::CheckBox* PermitBox = nullptr;
    ui::ComboBox* EnablePriority = nullptr;
    ui::CheckBox* EnablePriorityBox = nullptr;
    ui::Edit* Priority = nullptr;
    ui::CheckBox* PriorityBox = nullptr;
    ui::ComboBox* ReplacePriority = nullptr;
    ui::CheckBox* ReplacePriorityBox = nullptr;
    ui::ComboBox* EnableReplaceDscp = nullptr;
    ui::CheckBox* EnableReplaceDscpBox = nullptr;
    ui::Edit* ReplaceDscp = nullptr;
    ui::CheckBox* ReplaceDscpBox = nullptr;
    ui::Edit* RxRate = nullptr;
    ui::CheckBox* RxRateBox = nullptr;
    ui::Edit* MirrorGroup = nullptr;
    ui::CheckBox* MirrorGroupBox = nullptr;
};

// The variables (list columns) of the action fields; -1 where the rule has none.
struct AclActionColumns {
    int EnablePriority = -1;
    int Priority = -1;
    int ReplacePriority = -1;
    int EnableReplaceDscp = -1;
    int ReplaceDscp = -1;
    int RxRate = -1;
    int MirrorGroup = -1;
};

class AclRuleAction {
public:
    AclRuleAction() = default;
    AclRuleAction(AclActionControls controls, AclActionColumns columns);

    const AclActionControls& Controls() const { return controls_; }
    // By the permit text: "deny" and "mirror" close priority, DSCP replacement and RX rate, "mirror" opens the
    // mirror group; "permit" opens them and closes the mirror group, then runs the two changes below. No entry: none.
    void ActionChanged() const;
    void PriorityChanged() const;
    void ReplaceDscpChanged() const;
    // A checked "deny": the priority, DSCP replacement, RX rate and mirror group columns; else none.
    std::vector<int> DenyLeftOut() const;
    // The priority rule over the selected row of rows.
    std::vector<int> PriorityLeftOut(const ui::ListView& rows) const;
    // "RX Rate should between 0-156249" unless the RX rate edit holds 0 to 156249; focus to it.
    bool RxRateInRange(ui::Control* owner) const;

private:
    AclActionControls controls_;
    AclActionColumns columns_;
};

// "You must choose at least 1 port!" unless a port box of selector is checked.
bool RuleHasPort(ui::Control* owner, const TStackingPortUitForm* selector);
