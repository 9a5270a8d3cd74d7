#pragma once
// TNLBUnicastFDBForm: the static forwarding entries of network-load-balancing clusters (NLB multicast FDB), a row
// table with creation keyed by VLAN and MAC address, each entry with its egress ports.
//
// Add checks both keys (the MAC address as 12 hex digits) and creates the row with Row Status createAndGo alone;
// its egress ports are written afterwards: select the row, tick the ports, Set. Delete sends Row Status destroy
// alone for the keys in the editors. Add and Delete are refused while the request is busy; the binding reads the
// table again when a SET has answered without error. No get-complete flag, no Stop and no close query: closing
// stops a walk and waits for it.
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

    void FormCreate(ui::Component* sender);
    void RefreshBtnClick(ui::Component* sender);
    void AddBtnClick(ui::Component* sender);
    void DeleteBtnClick(ui::Component* sender);
    void SetBtnClick(ui::Component* sender);
    void CloseButtonClick(ui::Component* sender);

private:
    void KeysEnabled(bool enabled);
    void ClearEntry();
};

extern TNLBUnicastFDBForm* NLBUnicastFDBForm;  // the open dialog, else null
