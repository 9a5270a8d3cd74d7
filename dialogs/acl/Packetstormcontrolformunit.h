#pragma once
// TPacketStormControlForm: the switch's global traffic-storm settings (the ports of "Recover", the storm trap control
// and the automatic recovery time), one scalar group read and written together over a synchronous request with a
// time-out of 3 seconds. Set sends the three objects in one SET and then reads them again; Refresh and Set do
// nothing while the request is busy. Caught exceptions show their message in panel 0.
#include "DedicatedForm.h"

namespace ui {
class Button;
class Edit;
class GroupBox;
class Panel;
class RadioGroup;
}  // namespace ui

class TPacketStormControlForm : public TDedicatedForm {
public:
    explicit TPacketStormControlForm(ui::Component* owner);

    ui::Button* btnSet = nullptr;
    ui::Button* btnGet = nullptr;
    ui::Button* btnClose = nullptr;
    ui::RadioGroup* rgPktStromTrapCtrl = nullptr;
    ui::GroupBox* RecoverTimeBox = nullptr;
    ui::Edit* TimeEdit = nullptr;
    ui::Panel* StackingPortPanel = nullptr;
    TStackingPortUitForm* Ports = nullptr;

    DialogTable& Storm;

protected:
    void FormCreate(ui::Component* sender) override;

private:
    void btnGetClick();
    void btnSetClick();
};

extern TPacketStormControlForm* PacketStormControlForm;  // the open dialog, else null
