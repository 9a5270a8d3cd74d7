#pragma once
// TPktContentRuleForm: the packet content rules, each inside a packet content profile (the first key) with an access
// ID of its own (the second): four octets for each of the profile's chunks, the action, the ports and what the
// action does. A row table on the dialog frame with one synchronous request, no get-complete flag, a port page and
// an apply box beside every field: only the checked fields are written, so Add and Edit share the form.
//
// Rules a caller must know:
// - Add and Edit check the two IDs, each checked chunk (8 hex digits), that the checked priority, action, RX rate
//   and time range fields are filled, the RX rate and at least one port; Add also refuses a pair of IDs the list
//   shows as typed and a rule without its action. Nothing is sent after a refusal.
// - A write leaves out the unchecked fields, what a "deny" rule cannot carry and, unless priority is enabled, the
//   priority fields. Ports and RowStatus always go; a checked time range goes with Add as with Edit.
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

class TPktContentRuleForm : public TDedicatedForm {
public:
    explicit TPktContentRuleForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* GetButton = nullptr;
    ui::Button* EditButton = nullptr;
    ui::Button* AddButton = nullptr;
    ui::Button* DeleteButton = nullptr;
    ui::Button* CheckButton = nullptr;
    ui::Button* UncheckButton = nullptr;
    ui::Button* btnClose = nullptr;

    ui::Edit* edtProfile = nullptr;
    ui::Edit* edtAccess = nullptr;
    ui::Edit* edtChunk1Value = nullptr;
    ui::Edit* edtChunk2Value = nullptr;
    ui::Edit* edtChunk3Value = nullptr;
    ui::Edit* edtChunk4Value = nullptr;
    ui::Edit* edtChunk1Offset = nullptr;
    ui::Edit* edtChunk2Offset = nullptr;
    ui::Edit* edtChunk3Offset = nullptr;
    ui::Edit* edtChunk4Offset = nullptr;
    ui::ComboBox* PriorityComboBox = nullptr;
    ui::Edit* PriorityEdit = nullptr;
    ui::ComboBox* ReplaceComboBox = nullptr;
    ui::ComboBox* PermitComboBox = nullptr;
    ui::ComboBox* RowComboBox = nullptr;  // hidden
    ui::ComboBox* OwnerComboBox = nullptr;
    ui::Edit* RxRateEdit = nullptr;
    ui::Edit* edtTimeRange = nullptr;
    ui::Edit* MirrorIDEdit = nullptr;
    ui::ComboBox* EnableReplComboBox = nullptr;
    ui::Edit* ReplaceDSCPEdit = nullptr;

    ui::CheckBox* cbxChunk1Offset = nullptr;
    ui::CheckBox* cbxChunk2Offset = nullptr;
    ui::CheckBox* cbxChunk3Offset = nullptr;
    ui::CheckBox* cbxChunk4Offset = nullptr;
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
    bool CheckRuleInput();
    void WriteRule();
    void AfterWrite();
    void ClearRuleEditors();

    AclRuleFields fields_;
    AclRuleAction action_;
};

extern TPktContentRuleForm* PktContentRuleForm;  // the open dialog, else null
