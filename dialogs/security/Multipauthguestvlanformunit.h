#pragma once
// TMultpAuthGuestVlanForm: the compound-authentication guest VLANs, each a VLAN ID (the key) with its guest ports.
// A row table on the dialog frame with a port page and one synchronous request (time-out 3 seconds).
//
// Rules a caller must know:
// - Add creates the row (RowStatus createAndGo alone), then, only when the switch took that, sends the port list
//   alone; so a refused create never overwrites an existing VLAN's ports.
// - Edit sends the port list alone; Delete sends destroy alone.
// - Refresh, Add, Edit and Delete empty the VLAN ID edit and the port boxes.
// - Caught exceptions show in panel 0.
#include "DedicatedForm.h"

#include <functional>

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

class TMultpAuthGuestVlanForm : public TDedicatedForm {
public:
    explicit TMultpAuthGuestVlanForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Edit* VIDEdit = nullptr;
    ui::ComboBox* cbxDel = nullptr;  // hidden
    ui::Button* BT_Get = nullptr;
    ui::Button* ADDButton = nullptr;
    ui::Button* SetBtn = nullptr;
    ui::Button* DelBtn = nullptr;
    ui::Button* BT_Close = nullptr;
    TStackingPortUitForm* Ports = nullptr;

    DialogTable& GuestVlans;

    void FormCreate(ui::Component* sender) override;
    void BT_GetClick();
    void ADDButtonClick();
    void SetBtnClick();
    void DelBtnClick();

private:
    void Write(const std::function<void()>& sets);
    void ResetEditors();
};

extern TMultpAuthGuestVlanForm* MultpAuthGuestVlanForm;  // the open dialog, else null
