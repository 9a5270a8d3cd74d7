#pragma once
// TTpGroupDestinationForwardedForm: a read-only view of the Q-BRIDGE group table (dot1qTpGroupTable): per VLAN and
// multicast group address its egress ports and the ports GMRP learned. No get-complete flag; a Refresh while a walk
// runs reads nothing. Its port boxes can be ticked, and nothing writes them.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ListView;
class StaticText;
}  // namespace ui

class TTpGroupDestinationForwardedForm : public TDedicatedForm {
public:
    explicit TTpGroupDestinationForwardedForm(ui::Component* owner);

    ui::ListView* LV_dot1qTpGroupEntry = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* RefreshBtn = nullptr;
    ui::Button* btnClose = nullptr;

    TStackingPortUitForm* EgressPorts = nullptr;
    TStackingPortUitForm* GmrpLearntPorts = nullptr;

    DialogTable& TpGroupTable;

    void FormCreate(ui::Component* sender) override;
    void RefreshBtnClick();
};

extern TTpGroupDestinationForwardedForm* TpGroupDestinationForwardedForm;  // the open dialog, else null
