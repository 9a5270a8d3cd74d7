#pragma once
// TNLBUnicastFDBForm: the static forwarding entries of network-load-balancing clusters (NLB multicast FDB), a row
// table with creation keyed by VLAN and MAC address, each entry with its egress ports.
//
// Add checks both keys (the MAC address as 12 hex digits) and creates the row with Row Status createAndGo alone;
// its egress ports are written afterwards: select the row, tick the ports, Set. Delete sends Row Status destroy
// alone for the keys in the editors and reads the table again after its answer (refused or not) or after a caught
// exception. Add and Delete are refused while the request is busy; after Add the binding reads the table again
// when the SET has answered without error. Caught exceptions show as their bare message, except Refresh's, which
// go through the status template. No get-complete flag, no Stop and no close query: closing stops a walk and
// waits for it.
#include "DedicatedForm.h"

class TNLBUnicastFDBForm : public TDedicatedForm {
public:
    explicit TNLBUnicastFDBForm(ui::Component* owner);

    ui::ListView* LV_dot1qStaticUnicastEntry = nullptr;
    ui::Edit* ED_UnicastVID = nullptr;
    ui::Edit* UnicastAddress = nullptr;
    ui::ComboBox* UStatus = nullptr;  // hidden Row Status
    ui::PageControl* pgc1 = nullptr;
    ui::StaticText* ST_Count = nullptr;
    ui::Button* RefreshBtn = nullptr;
    ui::Button* AddBtn = nullptr;
    ui::Button* DeleteBtn = nullptr;
    ui::Button* SetBtn = nullptr;
    ui::Button* CloseButton = nullptr;

    TStackingPortUitForm* EgressPorts = nullptr;

    DialogTable& FdbTable;

protected:
    void FormCreate(ui::Component* sender) override;
    void RowSelectionChanged(bool selected) override;

private:
    void RefreshBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();
    void SetBtnClick();
    void KeysEnabled(bool enabled);
    void ClearEntry();
};

extern TNLBUnicastFDBForm* NLBUnicastFDBForm;  // the open dialog, else null
