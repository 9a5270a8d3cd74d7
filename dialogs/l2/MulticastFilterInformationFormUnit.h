#pragma once
// TMulticastFilterInformationForm: the 802.1Q static multicast filtering table (dot1qStaticMulticastTable). A row
// is keyed by VLAN, MAC address and receive port and carries its egress ports and a status; rows are created by
// writing the status permanent (3) and removed by writing invalid (2).
//
// Add checks the status, then the VLAN ID and the MAC address (12 hex digits), and creates the row with receive
// port 0. Set writes the egress ports of the selected row; Delete writes its egress ports as shown and the status
// invalid. Each write asks the binding to read the table again when the SET has answered without error. No
// get-complete flag: the writes are refused while the request is busy; closing stops a walk and waits for it.
#include "DedicatedForm.h"

class TMulticastFilterInformationForm : public TDedicatedForm {
public:
    explicit TMulticastFilterInformationForm(ui::Component* owner);

    ui::ListView* LV_dot1qStaticMulticastEntry = nullptr;
    ui::Edit* ED_MulticastVID = nullptr;
    ui::Edit* ED_MACAddress = nullptr;
    ui::ComboBox* Status = nullptr;
    ui::StaticText* ST_Count = nullptr;
    ui::Button* RefreshBtn = nullptr;
    ui::Button* SetBtn = nullptr;
    ui::Button* AddBtn = nullptr;
    ui::Button* btnDelete = nullptr;
    ui::Button* btnClose = nullptr;

    TStackingPortUitForm* EgressPorts = nullptr;

    DialogTable& MulticastTable;

    void FormCreate(ui::Component* sender);
    void RefreshBtnClick(ui::Component* sender);
    void AddBtnClick(ui::Component* sender);
    void SetBtnClick(ui::Component* sender);
    void btnDeleteClick(ui::Component* sender);
    void btnCloseClick(ui::Component* sender);

private:
    void ResetEditors();
};

extern TMulticastFilterInformationForm* MulticastFilterInformationForm;  // the open dialog, else null
