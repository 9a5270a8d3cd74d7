#pragma once
// TVLanCurrentTableForm: the 802.1Q current VLAN table (dot1qVlanCurrentTable), read only, with the number of VLAN
// deletions beside it. Rows are keyed by time mark and VLAN index (two keys), so one VLAN seen at two time marks
// gives two rows. Selecting a row shows its VLAN index and ticks its current egress and untagged ports; nothing
// is ever written. No get-complete flag: Refresh re-reads what is idle, Close closes at any time (the walk is
// stopped and waited for).
#include "DedicatedForm.h"

class TVLanCurrentTableForm : public TDedicatedForm {
public:
    explicit TVLanCurrentTableForm(ui::Component* owner);

    ui::ListView* LV_dot1qVlanCurrentEntry = nullptr;
    ui::StaticText* VlanNumDeletes = nullptr;
    ui::StaticText* StaticText1 = nullptr;  // the selected row's VLAN index
    ui::StaticText* ST_Count2 = nullptr;
    ui::Button* RefreshBtn = nullptr;
    ui::Button* SetBtn = nullptr;  // never visible
    ui::Button* btnClose = nullptr;

    TStackingPortUitForm* EgressPorts = nullptr;
    TStackingPortUitForm* UntaggedPorts = nullptr;

    DialogTable& CurrentTable;  // the table request
    DialogTable& Deletions;     // the number of deletions

protected:
    void FormCreate(ui::Component* sender) override;
};

extern TVLanCurrentTableForm* VLanCurrentTableForm;  // the open dialog, else null
