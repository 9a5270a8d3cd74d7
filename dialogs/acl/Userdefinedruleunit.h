#pragma once
// TUserDefinedInformationRuleForm: the payload rules, each with a profile ID and an access ID of 1 to 255, five
// windows of 16 octets (at most two of them other than zero) and an action with, for permitted traffic, a priority
// and a DSCP value to write. A row table on the dialog frame with one synchronous request, no get-complete flag and
// an apply box beside every field, the row status's included.
//
// Rules a caller must know:
// - Add and Edit need both IDs; Add also refuses a listed pair of IDs and a checked row status other than
//   createAndGo. Then the two-window rule and each checked window's text (32 hex digits at most); nothing is sent
//   after a refusal and no access bit changes.
// - A write leaves out the unchecked fields and, for a checked "deny", the five priority fields. Edit leaves the row
//   status out when its box is clear, and deletes the row when it is checked and shows "destroy". Add always sends it.
// - Caught exceptions show their message in panel 0.
#include "AclRuleFields.h"
#include "DedicatedForm.h"

#include <array>
#include <vector>

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

class TUserDefinedInformationRuleForm : public TDedicatedForm {
public:
    explicit TUserDefinedInformationRuleForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* GetButton = nullptr;
    ui::Button* EditButton = nullptr;
    ui::Button* AddButton = nullptr;
    ui::Button* DeleteButton = nullptr;
    ui::Button* CheckButton = nullptr;
    ui::Button* UncheckButton = nullptr;
    ui::Button* btnClose = nullptr;

    ui::Edit* ProfileIDEdit = nullptr;
    ui::Edit* AccessIDEdit = nullptr;
    ui::Edit* OffsetGroupFirstEdit = nullptr;
    ui::Edit* OffsetGroupSecondEdit = nullptr;
    ui::Edit* OffsetGroupThirdEdit = nullptr;
    ui::Edit* OffsetGroupForthEdit = nullptr;
    ui::Edit* OffsetGroupFifthEdit = nullptr;
    ui::ComboBox* EnablePriComboBox = nullptr;
    ui::Edit* PriorityEdit = nullptr;
    ui::ComboBox* ReplPriyComboBox = nullptr;
    ui::ComboBox* EnableReplComboBox = nullptr;
    ui::Edit* ReplDSCPEdit = nullptr;
    ui::ComboBox* PermitComboBox = nullptr;
    ui::ComboBox* RowComboBox = nullptr;

    ui::CheckBox* cbxGroupFirst = nullptr;
    ui::CheckBox* cbxGroupSecond = nullptr;
    ui::CheckBox* cbxGroupThird = nullptr;
    ui::CheckBox* cbxGroupForth = nullptr;
    ui::CheckBox* cbxGroupFifth = nullptr;
    ui::CheckBox* cbxEnablePriority = nullptr;
    ui::CheckBox* cbxPriority = nullptr;
    ui::CheckBox* cbxReplace = nullptr;
    ui::CheckBox* cbxEnableReplace = nullptr;
    ui::CheckBox* cbxReplaceDscp = nullptr;
    ui::CheckBox* cbxPermit = nullptr;
    ui::CheckBox* cbxRow = nullptr;

    DialogTable& Rules;

    void FormCreate(ui::Component* sender) override;

protected:
    void RowSelectionChanged(bool selected) override;

private:
    struct Window {
        ui::CheckBox* Box;
        ui::Edit* Edit;
    };

    void GetButtonClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();

    void BuildEditors();
    void SetPriorityGroupEnabled(bool enabled);
    void PermitComboBoxChange();
    bool KeysSet();
    bool WindowsPass();
    std::vector<int> FieldsLeftOut() const;
    void WriteRule(std::vector<int> leftOut);
    void DestroyRow();
    void AfterWrite();
    void ClearRuleEditors();

    std::array<Window, 5> windows_{};
    AclRuleFields fields_;
    AclRuleAction action_;
};

extern TUserDefinedInformationRuleForm* UserDefinedInformationRuleForm;  // exported; the menu command leaves it unset
