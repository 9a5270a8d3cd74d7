#pragma once
// TDHCPPoolEdtForm: the add/edit form of the DHCP server pool dialog (TDHCPPoolForm). Its editors are bound to the
// dialog's request. Add creates a pool by its name alone (createAndGo; the switch fills the other columns), so the
// form then shows the name only; Edit shows every field with an apply box and sends the ticked fields only.
#include "ApplyBoxes.h"
#include "DialogEditForm.h"

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class Edit;
}  // namespace ui

class TDHCPPoolEdtForm : public TDialogEditForm {
public:
    enum Column {
        Name,
        NetworkAddress,
        NetworkMask,
        DomainName,
        NodeType,
        LeaseState,
        LeaseDay,
        LeaseHour,
        LeaseMinute,
        BootFile,
        NextServer,
        Status
    };

    TDHCPPoolEdtForm(ui::Form& dialog, DialogTable& table);
    ~TDHCPPoolEdtForm() override;

    ui::Edit* edtName = nullptr;
    ui::Edit* edtAddress = nullptr;
    ui::Edit* edMask = nullptr;
    ui::Edit* edtDomain = nullptr;
    ui::ComboBox* cbxType = nullptr;
    ui::ComboBox* cbxState = nullptr;
    ui::Edit* edtDay = nullptr;
    ui::Edit* edtHour = nullptr;
    ui::Edit* edtMinute = nullptr;
    ui::Edit* edtBoot = nullptr;
    ui::Edit* edtServer = nullptr;
    ui::ComboBox* cbxStatus = nullptr;  // hidden

    ui::CheckBox* cbxName = nullptr;  // ticked and disabled: the name is the key
    ui::CheckBox* cbxAddress = nullptr;
    ui::CheckBox* cbxMask = nullptr;
    ui::CheckBox* cbxDomain = nullptr;
    ui::CheckBox* cbxNType = nullptr;
    ui::CheckBox* cbxNState = nullptr;
    ui::CheckBox* cbxDay = nullptr;
    ui::CheckBox* cbxHour = nullptr;
    ui::CheckBox* cbxMinute = nullptr;
    ui::CheckBox* cbxBoot = nullptr;
    ui::CheckBox* cbxServer = nullptr;

    ui::Button* btnSet = nullptr;  // "Add" or "Edit" by mode
    ui::Button* btnCheck = nullptr;
    ui::Button* ClearBtnButton = nullptr;
    ui::Button* CloseBTN = nullptr;

    void btnSetClick();

protected:
    void Activated() override;

private:
    void BuildEditors();
    void ShowFields(bool shown);

    ApplyBoxes boxes_;
    std::vector<ui::Control*> fields_;  // every field but the name, with its apply box
};

extern TDHCPPoolEdtForm* DHCPPoolEdtForm;  // the dialog's add/edit form while it exists, else null
