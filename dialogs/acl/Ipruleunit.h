#pragma once
// TIPRuleForm: the IPv4 access rules, each inside an IPv4 access profile (the first key) with an access ID of its
// own (the second). A row table on the dialog frame with one synchronous request, no get-complete flag, a port
// page and an apply box beside every field: only the checked fields are written, so Add and Edit share the form.
//
// Rules a caller must know:
// - Add and Edit check the two IDs, every checked field (a valid address, an 8-digit user mask, an RX rate of 0 to
//   156249), a checked mirror group and at least one port; Add also refuses a listed pair of IDs and a rule
//   without its action. Nothing is sent after a refusal.
// - A write leaves out the unchecked fields, what a "deny" rule cannot carry, the fields that do not belong to the
//   chosen protocol and, unless priority is enabled, the priority fields. Ports and RowStatus always go.
// - The action decides which of the priority, DSCP replacement, RX rate and mirror controls are enabled; a box
//   that gets disabled keeps its check.
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

class TIPRuleForm : public TDedicatedForm {
public:
    explicit TIPRuleForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* GetButton = nullptr;
    ui::Button* EditButton = nullptr;
    ui::Button* AddButton = nullptr;
    ui::Button* DeleteButton = nullptr;
    ui::Button* CheckButton = nullptr;
    ui::Button* UncheckButton = nullptr;
    ui::Button* btnClose = nullptr;

    ui::Edit* IPRuleEdit = nullptr;
    ui::Edit* AccessIDEdit = nullptr;
    ui::Edit* VLANEdit = nullptr;
    ui::Edit* SourceIPEdit = nullptr;
    ui::Edit* DestIPEdit = nullptr;
    ui::Edit* DSCPEdit = nullptr;
    ui::ComboBox* ProtocolComboBox = nullptr;
    ui::ComboBox* RuleIcmpComboBox = nullptr;
    ui::ComboBox* RuleIgmpComboBox = nullptr;
    ui::Edit* SourcePortEdit = nullptr;
    ui::Edit* DestPortEdit = nullptr;
    ui::Edit* FlagEdit = nullptr;
    ui::Edit* ProtocolIDEdit = nullptr;
    ui::Edit* UserMaskEdit = nullptr;
    ui::ComboBox* PriorityComboBox = nullptr;
    ui::Edit* PriorityEdit = nullptr;
    ui::ComboBox* ReplaceComboBox = nullptr;
    ui::ComboBox* EnableReplComboBox = nullptr;
    ui::Edit* DSCPValueEdit = nullptr;
    ui::ComboBox* PermitComboBox = nullptr;
    ui::Edit* RxRateEdit = nullptr;
    ui::ComboBox* RowComboBox = nullptr;  // hidden
    ui::Edit* edtTimeRange = nullptr;
    ui::Edit* SrcMacAddressEdit = nullptr;
    ui::ComboBox* OwnerComboBox = nullptr;
    ui::Edit* TypeEdit = nullptr;
    ui::Edit* CodeEdit = nullptr;
    ui::Edit* MirrorIDEdit = nullptr;

    ui::CheckBox* cbxVlan = nullptr;
    ui::CheckBox* cbxSourceIP = nullptr;
    ui::CheckBox* cbxDestIP = nullptr;
    ui::CheckBox* cbxDscp = nullptr;
    ui::CheckBox* cbxProtocol = nullptr;
    ui::CheckBox* cbxRuleIcmp = nullptr;
    ui::CheckBox* cbxRuleIgmp = nullptr;
    ui::CheckBox* cbxSourcePort = nullptr;
    ui::CheckBox* cbxDestPort = nullptr;
    ui::CheckBox* cbxFBs = nullptr;
    ui::CheckBox* cbxProtocolID = nullptr;
    ui::CheckBox* cbxUserMask = nullptr;
    ui::CheckBox* cbxEnablePriority = nullptr;
    ui::CheckBox* cbxPriority = nullptr;
    ui::CheckBox* cbxReplacePriority = nullptr;
    ui::CheckBox* cbxEnableReplaceDscp = nullptr;
    ui::CheckBox* cbxValue = nullptr;
    ui::CheckBox* cbxPermit = nullptr;
    ui::CheckBox* cbxRxRate = nullptr;
    ui::CheckBox* cbxTimeRange = nullptr;
    ui::CheckBox* cbxType = nullptr;
    ui::CheckBox* cbxCode = nullptr;
    ui::CheckBox* MirrorIDCheckBox = nullptr;

    TStackingPortUitForm* Ports = nullptr;
    DialogTable& Rules;

    void FormCreate(ui::Component* sender) override;
    void CheckButtonClick(ui::Component* sender);
    void UncheckButtonClick(ui::Component* sender);
    void PermitComboBoxChange(ui::Component* sender);
    void PriorityComboBoxChange(ui::Component* sender);
    void EnableReplComboBoxChange(ui::Component* sender);

protected:
    void RowSelectionChanged(bool selected) override;

private:
    void GetButtonClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();

    void BuildEditors();
    bool CheckRule();
    bool ValidIp(ui::Edit* edit);
    bool ValidUserMask();
    std::vector<int> ColumnsLeftOut() const;
    void WriteRule();
    void OpenForAdd();
    void AfterWrite();
    void ResetEditors();

    AclRuleFields fields_;  // every apply box with its field, the mirror group's included
    AclRuleAction action_;
};

extern TIPRuleForm* IPRuleForm;  // the open dialog, else null
