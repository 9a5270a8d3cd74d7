#include "VLanGeneralInfoFormUnit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "StdCtrls.h"

TVLanGeneralInfoForm* VLanGeneralInfoForm = nullptr;

namespace {

const CatalogTable& BaseTable = Oid_bridgemib::Mib2_17_7_1_1;

enum Column { VersionNumber, MaxId, MaxSupported, CurrentCount, Gvrp };

constexpr int LabelWidth = 142;
constexpr int ValueWidth = 110;

}  // namespace

TVLanGeneralInfoForm::TVLanGeneralInfoForm(ui::Component* owner)
    : TDedicatedForm(owner, 402, 219), BaseGroup(AddTable()) {
    SetName("VLanGeneralInfoForm");
    BuildButtonPanel("");
    RefreshBtn = NewRoleButton(ButtonRole::Refresh, "RefreshBtn");
    SetBtn = NewRoleButton(ButtonRole::Set, "SetBtn", [this] { SetBtnClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    EditorGrid rows(this, this, 0, LabelWidth, 12);
    VlanVersionNumber = rows.Text(0, 0, "VlanVersionNumber", "VLAN Version Number", ValueWidth);
    MaxVlanId = rows.Text(0, 1, "MaxVlanId", "Max VLAN ID", ValueWidth);
    MaxSupportedVlans = rows.Text(0, 2, "MaxSupportedVlans", "Max Supported VLANs", ValueWidth);
    CurrentNumOfVlans = rows.Text(0, 3, "CurrentNumOfVlans", "Current Num Of VLANs", ValueWidth);
    GvrpStatus = rows.Combo(0, 4, "GvrpStatus", "GVRP Status", ValueWidth);
}

void TVLanGeneralInfoForm::FormCreate(ui::Component*) {
    BaseGroup.Open(BaseTable, SVT_SV, 0, [this](DialogRequest& request) {
        request.BindStaticText(VersionNumber, VlanVersionNumber);
        request.BindStaticText(MaxId, MaxVlanId);
        request.BindStaticText(MaxSupported, MaxSupportedVlans);
        request.BindStaticText(CurrentCount, CurrentNumOfVlans);
        request.BindComboBox(Gvrp, GvrpStatus);
    }, NoFlagTableOptions());
}

// The static texts are read-only scalars: only the GVRP status goes out.
void TVLanGeneralInfoForm::SetBtnClick() {
    BaseGroup.WriteOnly([this] { BaseGroup.Send(); });
}
