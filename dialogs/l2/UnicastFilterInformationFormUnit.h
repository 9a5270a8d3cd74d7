#pragma once
// TUnicastFilterInformationForm: the 802.1Q static unicast filtering table (dot1qStaticUnicastTable). A row is
// keyed by VLAN, MAC address and receive port and carries the ports the address may go to and a status; rows are
// created by writing the status permanent (3) and removed by writing invalid (2). A row's ports cannot be changed
// in place: the dialog has Add and Delete only.
//
// Add checks the VLAN ID and the MAC address (12 hex digits) before anything is sent, and creates the row with
// receive port 0. Delete sends the status alone, for the selected row with its own receive port. Each write asks
// the binding to read the table again when the SET has answered without error. No get-complete flag: the writes
// are refused while the request is busy; closing stops a walk and waits for it.
#include "DedicatedForm.h"

class TUnicastFilterInformationForm : public TDedicatedForm {
public:
    explicit TUnicastFilterInformationForm(ui::Component* owner);

    ui::ListView* LV_dot1qStaticUnicastEntry = nullptr;
    ui::Edit* ED_UnicastVID = nullptr;
    ui::Edit* UnicastAddress = nullptr;
    ui::ComboBox* UStatus = nullptr;
    ui::StaticText* ST_Count = nullptr;
    ui::Button* RefreshBtn = nullptr;
    ui::Button* SetBtn = nullptr;  // "Add"
    ui::Button* DeleteBtn = nullptr;
    ui::Button* btnClose = nullptr;

    TStackingPortUitForm* AllowedPorts = nullptr;

    DialogTable& UnicastTable;

    void FormCreate(ui::Component* sender);
    void RefreshBtnClick(ui::Component* sender);
    void SetBtnClick(ui::Component* sender);  // Add
    void DeleteBtnClick(ui::Component* sender);
    void btnCloseClick(ui::Component* sender);

private:
    void KeysReadOnly(bool readOnly);
    void ResetEditors();
};

extern TUnicastFilterInformationForm* UnicastFilterInformationForm;  // the open dialog, else null
