#pragma once
// TVlanForm: the VLAN table of the switch maker's VLAN management (rows without creation). Per VLAN its name,
// type and seven port lists, each shown on a port page; the advertisement state is the only column ever written:
// Set sends it alone for the selected VLAN and the list keeps the values read before (Refresh shows the new state).
// Keeps a get-complete flag: Refresh waits for the walk under way and the window's own close is refused with
// "Get data not complete" until it has ended, but the Close button stops the walk and always closes.
#include "DedicatedForm.h"

class TVlanForm : public TDedicatedForm {
public:
    explicit TVlanForm(ui::Component* owner);

    ui::ListView* LV_dot1qVlanStaticEntry = nullptr;
    ui::Edit* ED_VLANID = nullptr;
    ui::Edit* ED_VLANName = nullptr;
    ui::ComboBox* cbxType = nullptr;
    ui::ComboBox* cbxStatus = nullptr;  // the advertisement state
    ui::StaticText* ST_Count2 = nullptr;
    ui::Button* RefreshBtn = nullptr;
    ui::Button* Button1 = nullptr;  // "Stop"
    ui::Button* btnClose = nullptr;
    ui::Button* SetButton = nullptr;

    // The port pages, in the order of the table's columns.
    std::vector<TStackingPortUitForm*> PortPages;

    DialogTable& VlanTable;

protected:
    void FormCreate(ui::Component* sender) override;
    void RowSelectionChanged(bool selected) override;

private:
    void SetButtonClick();
    void btnCloseClick();
};

extern TVlanForm* VlanForm;  // the open dialog, else null
