#pragma once
// TUnicastFilterInformationForm: the 802.1Q static unicast filtering table (dot1qStaticUnicastTable) on the static
// filter dialog (StaticFilterForm.h). A row carries the ports the address may go to; its ports cannot be changed
// in place: the dialog has Add (the button SetBtn) and Delete only. A selected row's keys are read-only; Delete
// needs the keys typed or selected and sends the status alone; a caught exception of Add shows as its bare message.
#include "StaticFilterForm.h"

class TUnicastFilterInformationForm : public TStaticFilterForm {
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

protected:
    void FormCreate(ui::Component* sender) override;
};

extern TUnicastFilterInformationForm* UnicastFilterInformationForm;  // the open dialog, else null
