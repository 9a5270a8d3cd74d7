#pragma once
// TVLanGeneralInfoForm: the 802.1Q bridge basics (dot1qBase), a scalar group. It shows the VLAN version, the VLAN
// limits and the current number of VLANs, and sets the switch's GVRP status: Set sends that one readwrite scalar,
// whatever the static texts show.
#include "DedicatedForm.h"

class TVLanGeneralInfoForm : public TDedicatedForm {
public:
    explicit TVLanGeneralInfoForm(ui::Component* owner);

    ui::StaticText* VlanVersionNumber = nullptr;
    ui::StaticText* MaxVlanId = nullptr;
    ui::StaticText* MaxSupportedVlans = nullptr;
    ui::StaticText* CurrentNumOfVlans = nullptr;
    ui::ComboBox* GvrpStatus = nullptr;
    ui::Button* RefreshBtn = nullptr;
    ui::Button* SetBtn = nullptr;
    ui::Button* btnClose = nullptr;

    DialogTable& BaseGroup;

protected:
    void FormCreate(ui::Component* sender) override;

private:
    void SetBtnClick();
};

extern TVLanGeneralInfoForm* VLanGeneralInfoForm;  // the open dialog, else null
