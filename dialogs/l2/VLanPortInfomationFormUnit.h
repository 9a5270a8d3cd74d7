#pragma once
// TVLanPortInfomationForm: the 802.1Q port VLAN table (dot1qPortVlanTable), one row per bridge port, rows without
// creation. Selecting a port enables its editors; Set writes its PVID, acceptable frame types, ingress filtering
// and GVRP status in one SET, the binding reads the table again when the SET has answered, and the edited port
// is then selected again, so that it is the one edited next. Refresh and Set wait for a walk under way
// ("Refresh Not Complete"). No get-complete flag.
#include "DedicatedForm.h"

class TVLanPortInfomationForm : public TDedicatedForm {
public:
    explicit TVLanPortInfomationForm(ui::Component* owner);

    ui::ListView* LV_dot1qPortVlanEntry = nullptr;
    ui::Edit* PortVLanID = nullptr;
    ui::ComboBox* AcceptableFrameTypes = nullptr;
    ui::ComboBox* IngressFiltering = nullptr;
    ui::ComboBox* GvrpStatus = nullptr;
    ui::StaticText* ST_Count = nullptr;
    ui::Button* RefreshBtn = nullptr;
    ui::Button* SetBtn = nullptr;
    ui::Button* btnClose = nullptr;

    DialogTable& PortTable;

protected:
    void FormCreate(ui::Component* sender) override;

private:
    void RefreshBtnClick();
    void SetBtnClick();
    void SelectEditedPort();

    std::string editedPort_;  // the port whose row is selected again after the re-read of a Set
};

extern TVLanPortInfomationForm* VLanPortInfomationForm;  // the open dialog, else null
