#pragma once
// TGuestVlanForm: the switch's one 802.1X guest VLAN, its name and member ports, set and removed. Three scalar
// requests on the dialog frame (name and ports, the name stored on the switch, the delete state), synchronous with a
// time-out of 3 seconds, and a port page. The form keeps its designed size at every screen density.
//
// Rules a caller must know:
// - With a name stored on the switch, Set sends the port list alone (a configured guest VLAN keeps its name until
//   it is deleted); with none, Set sends the typed name alone, then the port list alone. The values are read
//   again afterwards.
// - Delete writes the delete state "start" and reads the name and ports again.
// - Caught exceptions show in panel 0.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
}  // namespace ui

class TGuestVlanForm : public TDedicatedForm {
public:
    explicit TGuestVlanForm(ui::Component* owner);

    static constexpr int DesignWidth = 680;
    static constexpr int DesignHeight = 500;

    ui::Edit* edtName = nullptr;
    ui::Edit* Edit1 = nullptr;       // hidden: the name stored on the switch
    ui::ComboBox* cbxDel = nullptr;  // hidden
    ui::Button* BT_Get = nullptr;
    ui::Button* SetBtn = nullptr;
    ui::Button* DelBtn = nullptr;
    ui::Button* BT_Close = nullptr;
    TStackingPortUitForm* Ports = nullptr;

    DialogTable& NamePorts;
    DialogTable& StoredName;
    DialogTable& DeleteState;

    void FormCreate(ui::Component* sender) override;
    void BT_GetClick();
    void SetBtnClick();
    void DelBtnClick();

private:
    void ReadNameAndPorts();
};

extern TGuestVlanForm* GuestVlanForm;  // the open dialog, else null
