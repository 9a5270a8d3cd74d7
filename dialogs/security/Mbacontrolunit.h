#pragma once
// TMBAControlForm: MAC-based access control's global settings (state, method, password, clear-all action) and its
// authorised VLAN (name and member ports), which can be removed. Four scalar requests on the dialog frame (global
// settings, authorised VLAN, delete state, the name stored on the switch), synchronous with a time-out of 3
// seconds, and a port page.
//
// Rules a caller must know:
// - Set sends the global settings, then reads the stored name: a stored name equal to the typed one sends the
//   member ports alone; a different typed name is refused ("Can't change the VLAN name,delete previous name
//   first!"); with no name stored, a typed name goes with the ports in one SET and an empty one sends nothing.
//   The values are not read again.
// - Delete writes the delete state "start" and reads everything again.
// - Caught exceptions show in panel 0.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
}  // namespace ui

class TMBAControlForm : public TDedicatedForm {
public:
    explicit TMBAControlForm(ui::Component* owner);

    ui::ComboBox* Cbox_State = nullptr;
    ui::ComboBox* Cbox_Method = nullptr;
    ui::Edit* edtPassWord = nullptr;
    ui::ComboBox* Cbox_ClearAllAction = nullptr;
    ui::Edit* edtName = nullptr;
    ui::Edit* Edit1 = nullptr;       // hidden: the name stored on the switch
    ui::ComboBox* cbxDel = nullptr;  // hidden
    ui::Button* BT_Get = nullptr;
    ui::Button* SetBtn = nullptr;
    ui::Button* DelBtn = nullptr;
    ui::Button* BT_Close = nullptr;
    TStackingPortUitForm* Ports = nullptr;

    DialogTable& Global;
    DialogTable& AuthorisedVlan;
    DialogTable& DeleteState;
    DialogTable& StoredName;

    void FormCreate(ui::Component* sender) override;
    void BT_GetClick();
    void SetBtnClick();
    void DelBtnClick();

private:
    void SetAuthorisedVlan();
};

extern TMBAControlForm* MBAControlForm;  // the open dialog, else null
