#pragma once
// TIpv6RuleForm: the IPv6 access rules, each inside an IPv6 access profile (the first key) with an access ID of its
// own (the second). A row table on the dialog frame with one synchronous request, no get-complete flag, a port page
// and an apply box beside every field: only the checked fields are written, so Add and Edit share the form.
//
// Rules a caller must know:
// - Add and Edit check the two IDs, that the class or flow label is never written with an address, the flow label
//   (8 hex digits), the addresses (32), every other checked field filled, the RX rate and at least one port; Add
//   also refuses a listed pair of IDs and a rule without its action. Nothing is sent after a refusal.
// - A write leaves out the unchecked fields and, unless priority is enabled, the priority fields; a "deny" rule
//   sends what is checked. Ports and RowStatus always go.
// - Check All never ticks the RX rate box, and Clear Checks never clears it.
// - Caught exceptions show their message in panel 0.
#include "AclRuleFields.h"
#include "DedicatedForm.h"

#include <vector>

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

class TIpv6RuleForm : public TDedicatedForm {
public:
    explicit TIpv6RuleForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* GetButton = nullptr;
    ui::Button* EditButton = nullptr;
    ui::Button* AddButton = nullptr;
    ui::Button* DeleteButton = nullptr;
    ui::Button* CheckButton = nullptr;
    ui::Button* UncheckButton = nullptr;
    ui::Button* btnClose = nullptr;

    ui::Edit* edtRuleID = nullptr;
    ui::Edit* edtRuleAccessID = nullptr;
    ui::Edit* edtRuleClass = nullptr;
    ui::Edit* edtRuleFlowlabel = nullptr;
    ui::Edit* edtRuleSrcIpv6addr = nullptr;
    ui::Edit* edtRuleDstIpv6addr = nullptr;
    ui::ComboBox* PriorityComboBox = nullptr;
    ui::Edit* PriorityEdit = nullptr;
    ui::ComboBox* ReplaceComboBox = nullptr;
    ui::ComboBox* PermitComboBox = nullptr;
    ui::Edit* RxRateEdit = nullptr;
    ui::ComboBox* RowComboBox = nullptr;  // hidden
    ui::Edit* edtTimeRange = nullptr;
    ui::ComboBox* OwnerComboBox = nullptr;
    ui::ComboBox* cbxProtocol = nullptr;
    ui::Edit* edtSourcePort = nullptr;
    ui::Edit* edtDestinationPort = nullptr;
    ui::Edit* edtMirrorGroupID = nullptr;

    ui::CheckBox* cbxRuleClass = nullptr;
    ui::CheckBox* cbxRuleFlowlabel = nullptr;
    ui::CheckBox* cbxRuleSrcIpv6addr = nullptr;
    ui::CheckBox* cbxRuleDstIpv6addr = nullptr;
    ui::CheckBox* cbxEnablePriority = nullptr;
    ui::CheckBox* cbxPriority = nullptr;
    ui::CheckBox* cbxReplacePriority = nullptr;
    ui::CheckBox* cbxPermit = nullptr;
    ui::CheckBox* cbxRxRate = nullptr;
    ui::CheckBox* cbxRow = nullptr;  // hidden, always ticked
    ui::CheckBox* cbxTimeRange = nullptr;
    ui::CheckBox* ProtocolCheckBox = nullptr;
    ui::CheckBox* SourcePortCheckBox = nullptr;
    ui::CheckBox* DestinationPortCheckBox = nullptr;
    ui::CheckBox* MirrorGroupIDCheckBox = nullptr;

    TStackingPortUitForm* Ports = nullptr;
    DialogTable& Rules;

    void FormCreate(ui::Component* sender) override;

protected:
    void RowSelectionChanged(bool selected) override;

private:
    void GetButtonClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();

    void BuildEditors();
    void BuildFields();
    void PermitChanged();
    void ProtocolChanged();
    bool CheckRule();
    bool ValidFlowLabel();
    bool ValidAddress(ui::Edit* edit);
    void WriteRule();
    void AfterWrite();
    void ResetEditors();

    AclRuleFields fields_;
    AclRuleAction action_;
};

extern TIpv6RuleForm* Ipv6RuleForm;  // the open dialog, else null
