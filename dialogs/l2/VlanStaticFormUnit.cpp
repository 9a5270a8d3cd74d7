#include "VlanStaticFormUnit.h"

#include "CatalogTables.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <algorithm>

TVlanStaticForm* VlanStaticForm = nullptr;

namespace {

const CatalogTable& StaticVlanTable = Oid_bridgemib::Mib2_17_7_1_4_A;
const CatalogTable& NextFreeIndexTable = Oid_bridgemib::Mib2_17_7_1_4_C;

enum Column { VlanId, VlanName, Egress, ForbiddenEgress, Untagged, RowStatus };

}  // namespace

TVlanStaticForm::TVlanStaticForm(ui::Component* owner)
    : TDedicatedForm(owner, 674, 587), StaticTable(AddTable()), NextFreeIndex(AddTable()) {
    SetName("VlanStaticForm");
    BuildButtonPanel("ST_Count2");
    ST_Count2 = RowCountText;
    RefreshBtn = NewRoleButton(ButtonRole::Refresh, "RefreshBtn");
    SetBtn = NewRoleButton(ButtonRole::Set, "SetBtn", [this] { SetBtnClick(); });
    AddBtn = NewRoleButton(ButtonRole::Add, "AddBtn", [this] { AddBtnClick(); });
    DeleteBtn = NewRoleButton(ButtonRole::Delete, "DeleteBtn", [this] { DeleteBtnClick(); });
    btnStop = NewRoleButton(ButtonRole::Stop, "btnStop");
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("LV_dot1qVlanStaticEntry", 220, true);
    LV_dot1qVlanStaticEntry = TableList;
    ED_VLANID = NewEditorEdit("ED_VLANID", "VLAN ID", 50);
    ED_VLANName = NewEditorEdit("ED_VLANName", "VLAN Name", 120);
    NextFreeLocalVlanIndex = NewEditorText("NextFreeLocalVlanIndex", "Next Free Local VLAN Index",
                                           std::max(50, ui::StaticText::WidthFor("4096", ui::sbsSunken)));
    Status = NewEditorCombo("Status", "Status", 100);
    Status->Hide();
}

void TVlanStaticForm::FormCreate(ui::Component*) {
    EgressPorts = AddPortPage("Egress Ports");
    ForbiddenEgressPorts = AddPortPage("Forbidden Egress Ports");
    UntaggedPorts = AddPortPage("Untagged Ports");
    OpenRowTable(StaticTable, {.Table = &StaticVlanTable,
                               .Bind = [this](DialogRequest& request) {
                                   request.BindEdit(VlanId, "%i{n1x4094l4}", ED_VLANID);
                                   request.BindEdit(VlanName, "%s", ED_VLANName);
                                   BindPorts(request, Egress, EgressPorts);
                                   BindPorts(request, ForbiddenEgress, ForbiddenEgressPorts);
                                   BindPorts(request, Untagged, UntaggedPorts);
                               },
                               .RowStatusColumn = RowStatus,
                               .RowStatusCombo = Status,
                               .KeyEdits = {ED_VLANID},
                               .ClearedEdits = {ED_VLANID, ED_VLANName},
                               .GuardsClose = true});
    DialogTable::Options scalar = NoFlagTableOptions();
    scalar.Synchronous = true;
    NextFreeIndex.Open(NextFreeIndexTable, SVT_SV, 0,
                       [this](DialogRequest& request) { request.BindStaticText(0, NextFreeLocalVlanIndex); }, scalar);
}

void TVlanStaticForm::AddBtnClick() {
    if (!StaticTable.PassGuard()) return;
    if (ED_VLANID->Text().empty()) return ShowMessage(this, "Please input VLAN ID.");
    if (ED_VLANName->Text().empty()) return ShowMessage(this, "Please input VLAN Name.");
    // A new VLAN gets its forbidden ports afterwards, with Set.
    StaticTable.AddRow({ForbiddenEgress});
    ClearEditors();
}

void TVlanStaticForm::SetBtnClick() {
    if (!LV_dot1qVlanStaticEntry->Selected()) return;
    if (!StaticTable.Complete()) return ShowMessage(this, "Get data not complete.");
    if (!StaticTable.PassGuard()) return;
    // Egress and untagged first, so that a port moved to forbidden leaves egress before it is forbidden.
    StaticTable.Write([this] {
        StaticTable.Send({ForbiddenEgress});
        StaticTable.Send({Egress, Untagged});
    });
    ClearEditors();
    ResetRowButtons();
}

void TVlanStaticForm::DeleteBtnClick() {
    if (!StaticTable.PassGuard()) return;
    StaticTable.DeleteRow();
    ShowRowCount();
    ClearEditors();
    ResetRowButtons();
}
