#pragma once
// TIGMPSnoopingGroupForm: the IGMP snooping group table (TSnoopingGroupTableForm): the group and source
// addresses of the selected row in static texts, the VLAN ID in the list only; the port boxes are locked on a row.
#include "SnoopingGroupTable.h"

class TIGMPSnoopingGroupForm : public TSnoopingGroupTableForm {
public:
    explicit TIGMPSnoopingGroupForm(ui::Component* owner);

    ui::StaticText* stSourceIP = nullptr;
    ui::StaticText* stGroupIP = nullptr;

protected:
    void BindKeys(DialogRequest& request) override;
};

extern TIGMPSnoopingGroupForm* IGMPSnoopingGroupForm;  // the open dialog, else null
