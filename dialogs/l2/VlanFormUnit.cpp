#include "VlanFormUnit.h"

#include "CatalogTables.h"
#include "ListView.h"
#include "StdCtrls.h"

TVlanForm* VlanForm = nullptr;

namespace {

const CatalogTable& VlanManagementTable = Oid_switch::E_11_70_7_2_17_1_1;

enum Column { VlanIndex, VlanName, VlanType, FirstPorts = 3, AdvertisementState = 10 };

// The tabs of the port-list columns 3 to 9.
constexpr const char* PortPageCaptions[] = {
    "Member Ports",   "Static Ports",         "Static Tagged Member Ports", "Static Untagged Ports",
    "Forbidden Ports", "Current Tagged Ports", "Current Untagged Ports",
};

}  // namespace

TVlanForm::TVlanForm(ui::Component* owner) : TDedicatedForm(owner, 893, 604), VlanTable(AddTable()) {
    SetName("VlanForm");
    BuildButtonPanel("ST_Count2");
    ST_Count2 = RowCountText;
    RefreshBtn = NewRoleButton(ButtonRole::Refresh, "RefreshBtn");
    SetButton = NewRoleButton(ButtonRole::Set, "SetButton", [this] { SetButtonClick(); });
    Button1 = NewRoleButton(ButtonRole::Stop, "Button1");
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose", [this] { btnCloseClick(); });
    BuildTableArea("LV_dot1qVlanStaticEntry", 240, true);
    LV_dot1qVlanStaticEntry = TableList;
    ED_VLANID = NewEditorEdit("ED_VLANID", "VLAN ID", 50);
    ED_VLANName = NewEditorEdit("ED_VLANName", "VLAN Name", 120);
    cbxType = NewEditorCombo("cbxType", "VLAN Type", 120);
    cbxStatus = NewEditorCombo("cbxStatus", "Advertisement State", 90);
}

void TVlanForm::FormCreate(ui::Component*) {
    for (const char* caption : PortPageCaptions) PortPages.push_back(AddPortPage(caption));
    OpenRowTable(VlanTable, {.Table = &VlanManagementTable,
                             .Bind = [this](DialogRequest& request) {
                                 request.BindEdit(VlanIndex, "%s", ED_VLANID);
                                 request.BindEdit(VlanName, "%s", ED_VLANName);
                                 request.BindComboBox(VlanType, cbxType);
                                 for (size_t i = 0; i < PortPages.size(); ++i)
                                     BindPorts(request, FirstPorts + static_cast<int>(i), PortPages[i]);
                                 request.BindComboBox(AdvertisementState, cbxStatus);
                             },
                             .ClearedEdits = {ED_VLANID, ED_VLANName},
                             .GuardsClose = true});
}

// The VLAN ID, name and type are shown only: disabled while a row is selected, enabled when the selection is
// lost; a Refresh leaves them as they are.
void TVlanForm::RowSelectionChanged(bool selected) {
    for (ui::Control* shown : std::initializer_list<ui::Control*>{ED_VLANID, ED_VLANName, cbxType})
        shown->SetEnabled(!selected);
}

// The advertisement state of the selected VLAN, alone (every other column is read-only); no re-read.
void TVlanForm::SetButtonClick() {
    if (!LV_dot1qVlanStaticEntry->Selected()) return;
    if (!VlanTable.WriteOnly([this] { VlanTable.Send(); }, DialogTable::ErrorText::Bare)) SetButton->SetEnabled(false);
}

// The Close button always closes: the walk is stopped and the flag set first.
void TVlanForm::btnCloseClick() {
    VlanTable.Stop();
    VlanTable.SetComplete(true);
    Close();
}
