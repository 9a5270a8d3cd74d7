#pragma once
// TEthernetInformationRuleForm: the Ethernet access rules, each inside an Ethernet access profile (the first key)
// with an access ID of its own (the second). A row table on the dialog frame with one synchronous request, no
// get-complete flag, a port page and an apply box beside every field: only the checked fields are written, so Add
// and Edit share the form.
//
// Rules a caller must know:
// - Add and Edit check the two IDs, that every checked field but the mirror group and DSCP replacement is filled,
//   the MAC addresses (12 hex digits), the Ethernet type (4), the priority (0 to 7), the RX rate and at least one
//   port; Add also refuses a listed pair of IDs and a rule without its action. Nothing is sent after a refusal.
// - A write leaves out the unchecked fields and, unless priority is enabled, the priority fields. An Edit to "deny"
//   sends the action and leaves out what a "deny" rule cannot carry. Ports and RowStatus always go.
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

class TEthernetInformationRuleForm : public TDedicatedForm {
public:
    explicit TEthernetInformationRuleForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* GetButton = nullptr;
    ui::Button* EditButton = nullptr;
    ui::Button* AddButton = nullptr;
    ui::Button* DeleteButton = nullptr;
    ui::Button* AddCheckButton = nullptr;
    ui::Button* CleanCheButton = nullptr;
    ui::Button* btnClose = nullptr;

    ui::Edit* MaskIDEdit = nullptr;
    ui::Edit* AccessEdit = nullptr;
    ui::Edit* VlanRuleEdit = nullptr;
    ui::Edit* SourceMACEdit = nullptr;
    ui::Edit* DestMACEdit = nullptr;
    ui::Edit* IEEE8021pEdit = nullptr;
    ui::Edit* EthTypeEdit = nullptr;
    ui::ComboBox* EnablePriorityComboBox = nullptr;
    ui::Edit* PriorityEdit = nullptr;
    ui::ComboBox* ReplacePriorityComboBox = nullptr;
    ui::ComboBox* PermitComboBox = nullptr;
    ui::Edit* RxRateEdit = nullptr;
    ui::ComboBox* RowComboBox = nullptr;  // hidden
    ui::Edit* edtTimeRange = nullptr;
    ui::ComboBox* RuleOwnerComboBox = nullptr;
    ui::Edit* MirrorIDEdit = nullptr;
    ui::ComboBox* EnableReplComboBox = nullptr;
    ui::Edit* ReplaceDSCPEdit = nullptr;

    ui::CheckBox* cbxVlan = nullptr;
    ui::CheckBox* cbxSource = nullptr;
    ui::CheckBox* cbxDestination = nullptr;
    ui::CheckBox* cbxIEEE802dot1P = nullptr;
    ui::CheckBox* cbxEtherType = nullptr;
    ui::CheckBox* cbxEnablePriority = nullptr;
    ui::CheckBox* cbxPriority = nullptr;
    ui::CheckBox* cbxReplacePriority = nullptr;
    ui::CheckBox* cbxPermit = nullptr;
    ui::CheckBox* cbxRxRate = nullptr;
    ui::CheckBox* cbxTimeRange = nullptr;
    ui::CheckBox* MirrorIDCheckBox = nullptr;
    ui::CheckBox* cbxEnableReplaceDscp = nullptr;
    ui::CheckBox* cbxValue = nullptr;

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
    bool CheckRule();
    std::vector<int> ColumnsLeftOut(bool editing) const;
    void WriteRule(bool editing);
    void AfterWrite();
    void ResetEditors();

    AclRuleFields fields_;
    AclRuleAction action_;
};

extern TEthernetInformationRuleForm* EthernetInformationRuleForm;  // the open dialog, else null
