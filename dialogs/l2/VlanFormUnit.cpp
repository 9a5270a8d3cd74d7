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
    RefreshBtn = NewPanelButton("RefreshBtn", "Refresh", [this] { RefreshBtnClick(RefreshBtn); });
    SetButton = NewRoleButton(ButtonRole::Set, "SetButton", "Set", [this] { SetButtonClick(SetButton); });
    Button1 = NewPanelButton("Button1", "Stop", [this] { Button1Click(Button1); });
    btnClose = NewPanelButton("btnClose", "Close", [this] { btnCloseClick(btnClose); });
    BuildTableArea("LV_dot1qVlanStaticEntry", 240, true);
    LV_dot1qVlanStaticEntry = TableList;
    ED_VLANID = NewEditorEdit("ED_VLANID", "VLAN ID", 50);
    ED_VLANName = NewEditorEdit("ED_VLANName", "VLAN Name", 120);
    cbxType = NewEditorCombo("cbxType", "VLAN Type", 120);
    cbxStatus = NewEditorCombo("cbxStatus", "Advertisement State", 90);
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    DoCreate();
}

void TVlanForm::FormCreate(ui::Component*) {
    for (const char* caption : PortPageCaptions) PortPages.push_back(AddPortPage(caption));
    VlanTable.Open(VlanManagementTable, MVT_UMV, 1, [this](DialogRequest& request) {
        request.BindListView(LV_dot1qVlanStaticEntry, true);
        request.BindEdit(VlanIndex, "%s", ED_VLANID);
        request.BindEdit(VlanName, "%s", ED_VLANName);
        request.BindComboBox(VlanType, cbxType);
        for (size_t i = 0; i < PortPages.size(); ++i)
            BindPorts(request, FirstPorts + static_cast<int>(i), PortPages[i]);
        request.BindComboBox(AdvertisementState, cbxStatus);
    });
    if (VlanTable.HasRequest()) FollowRows(VlanTable, {ED_VLANID, ED_VLANName});
    ClearsEditors({ED_VLANID, ED_VLANName});
    RefuseCloseWhileIncomplete(VlanTable);
    ShowRowCount();
    ResetRowButtons();
}

// The type is shown only: locked with the key edits while a row is selected.
void TVlanForm::RowSelectionChanged(bool selected) { cbxType->SetEnabled(!selected); }

void TVlanForm::RefreshBtnClick(ui::Component*) {
    if (VlanTable.Busy()) return;
    RefreshTables(VlanTable);
}

// The advertisement state of the selected VLAN, alone (every other column is read-only); no re-read.
void TVlanForm::SetButtonClick(ui::Component*) {
    if (!LV_dot1qVlanStaticEntry->Selected()) return;
    if (!VlanTable.WriteOnly([this] { VlanTable.Send(); }, DialogTable::ErrorText::Bare)) SetButton->SetEnabled(false);
}

void TVlanForm::Button1Click(ui::Component*) { VlanTable.Stop(); }

void TVlanForm::btnCloseClick(ui::Component*) {
    VlanTable.Stop();
    VlanTable.SetComplete(true);
    Close();
}
