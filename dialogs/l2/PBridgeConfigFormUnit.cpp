#include "PBridgeConfigFormUnit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "StdCtrls.h"

TPBridgeConfigForm* PBridgeConfigForm = nullptr;

namespace {

const CatalogTable& CapabilitiesTable = Oid_bridgemib::Mib2_17_6_1_1_A;
const CatalogTable& TrafficClassesTable = Oid_bridgemib::Mib2_17_6_1_1_B;

}  // namespace

TPBridgeConfigForm::TPBridgeConfigForm(ui::Component* owner)
    : TDedicatedForm(owner, 400, 140), CapabilitiesRequest(AddTable()), TrafficClassesRequest(AddTable()) {
    SetName("PBridgeConfigForm");
    BuildButtonPanel("");
    BT_Get = NewRoleButton(ButtonRole::Refresh, "BT_Get", [this] { BT_GetClick(); });
    BT_Close = NewRoleButton(ButtonRole::Close, "BT_Close");
    EditorGrid grid(this, this, 280, 140);
    Edit_DeviceCapabilities = grid.Text(0, 0, "Edit_DeviceCapabilities", "Device Capabilities", 110);
    TrafficClassesState = grid.Combo(0, 1, "TrafficClassesState", "Traffic Classes State", 110);
    ShowsOnly({TrafficClassesState});
}

void TPBridgeConfigForm::FormCreate(ui::Component*) {
    CapabilitiesRequest.Open(
        CapabilitiesTable, SVT_SV, 0,
        [this](DialogRequest& request) { request.BindStaticText(0, Edit_DeviceCapabilities); }, NoFlagTableOptions());
    TrafficClassesRequest.Open(
        TrafficClassesTable, SVT_SV, 0,
        [this](DialogRequest& request) { request.BindComboBox(0, TrafficClassesState); }, NoFlagTableOptions());
}

void TPBridgeConfigForm::BT_GetClick() {
    CapabilitiesRequest.ReadAgain();
    TrafficClassesRequest.ReadAgain();
}
