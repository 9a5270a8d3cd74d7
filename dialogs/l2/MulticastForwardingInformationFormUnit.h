#pragma once
// TMulticastForwardingInformationForm: the Q-BRIDGE forward-all table (dot1qForwardAllTable): per VLAN the ports
// all multicast traffic is forwarded to, and the static and forbidden lists that Set writes for the selected VLAN
// (never All Ports, which is read-only). No get-complete flag; a Refresh while a walk runs reads nothing. The
// binding reads the table again once a SET has answered without error.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ListView;
class StaticText;
}  // namespace ui

class TMulticastForwardingInformationForm : public TDedicatedForm {
public:
    explicit TMulticastForwardingInformationForm(ui::Component* owner);

    ui::ListView* LV_dot1qForwardUnregisteredEntry = nullptr;
    ui::StaticText* ST_Count = nullptr;
    ui::Button* RefreshBtn = nullptr;
    ui::Button* SetBtn = nullptr;
    ui::Button* btnClose = nullptr;

    TStackingPortUitForm* ForwardPorts = nullptr;
    TStackingPortUitForm* StaticPorts = nullptr;
    TStackingPortUitForm* ForbiddenPorts = nullptr;

    DialogTable& ForwardAllTable;

    void FormCreate(ui::Component* sender) override;
    void RefreshBtnClick();
    void SetBtnClick();
};

extern TMulticastForwardingInformationForm* MulticastForwardingInformationForm;  // the open dialog, else null
