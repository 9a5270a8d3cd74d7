#pragma once
// TARPIPv6ControlEditForm: the add form of the IPv6 neighbour cache dialog (TARPIPV6ControlForm). Its editors are
// bound to the dialog's request; its Set creates the entry IPv6 address.MAC address.interface name with
// createAndGo (the reach state is the switch's). Addresses are typed as hex digits: 32 for IPv6, 12 for MAC.
#include "DialogEditForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
}  // namespace ui

class TARPIPv6ControlEditForm : public TDialogEditForm {
public:
    enum Column { Ipv6Address, MacAddress, InterfaceName, ReachState, RouteStatus };

    TARPIPv6ControlEditForm(ui::Form& dialog, DialogTable& table);
    ~TARPIPv6ControlEditForm() override;

    ui::Edit* edtAddress = nullptr;
    ui::Edit* edtMac = nullptr;
    ui::Edit* edtInterface = nullptr;
    ui::ComboBox* cbxState = nullptr;  // hidden
    ui::ComboBox* cbxRowStatus = nullptr;
    ui::Button* btnSet = nullptr;
    ui::Button* btnClose = nullptr;

    void btnSetClick();

protected:
    void Activated() override;

private:
    bool EntryChecksPass();
};

extern TARPIPv6ControlEditForm* ARPIPv6ControlEditForm;  // the dialog's add form while it exists, else null
