#pragma once
// TIGMPForwordingForm: a read-only view of the IGMP snooping forwarding table, one row per VLAN, group address and
// source IP with the ports the switch forwards that traffic to. The keys are read in the order VLAN ID, group
// address, source IP. The port boxes stay enabled after a walk and on a row; ticking them sends nothing.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ListView;
class StaticText;
}  // namespace ui

class TIGMPForwordingForm : public TDedicatedForm {
public:
    explicit TIGMPForwordingForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* stVlanID = nullptr;
    ui::StaticText* stSRCIP = nullptr;
    ui::StaticText* stGroupAddr = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* btnGet = nullptr;
    ui::Button* btnStop = nullptr;
    ui::Button* btnClose = nullptr;

    TStackingPortUitForm* PortMember = nullptr;

    DialogTable& ForwardingTable;

    void FormCreate(ui::Component* sender) override;
};

extern TIGMPForwordingForm* IGMPForwordingForm;  // the open dialog, else null
