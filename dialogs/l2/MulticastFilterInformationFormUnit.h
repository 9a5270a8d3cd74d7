#pragma once
// TMulticastFilterInformationForm: the 802.1Q static multicast filtering table (dot1qStaticMulticastTable) on the
// static filter dialog (StaticFilterForm.h). A row carries its egress ports: Set writes those of the selected row,
// whose keys are locked and whose status is fixed while it is selected; Delete writes its egress ports as shown
// and the status invalid. Add checks the status first.
#include "StaticFilterForm.h"

class TMulticastFilterInformationForm : public TStaticFilterForm {
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

protected:
    void FormCreate(ui::Component* sender) override;
};

extern TMulticastFilterInformationForm* MulticastFilterInformationForm;  // the open dialog, else null
