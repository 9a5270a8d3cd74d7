#include "IPMcastVLANRepDstFormUnit.h"

#include "CatalogTables.h"
#include "EditorInput.h"
#include "ListView.h"
#include "StdCtrls.h"

TIPMcastVLANRepDstForm* IPMcastVLANRepDstForm = nullptr;

namespace {

const CatalogTable& DestinationEntries = Oid_security::E_12_71_3_5_1;

enum Column { NameKey, VlanId, PortList, RowStatus };

}  // namespace

TIPMcastVLANRepDstForm::TIPMcastVLANRepDstForm(ui::Component* owner)
    : TDedicatedForm(owner, 720, 430), DestinationTable(AddTable()) {
    SetName("IPMcastVLANRepDstForm");
    BuildButtonPanel("ST_Count");
    ST_Count = RowCountText;
    RefreshBtn = NewRoleButton(ButtonRole::Refresh, "RefreshBtn", "Refresh", [this] { RefreshBtnClick(); });
    btnDelete = NewRoleButton(ButtonRole::Delete, "btnDelete", [this] { btnDeleteClick(); });
    AddBtn = NewRoleButton(ButtonRole::Add, "AddBtn", [this] { AddBtnClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("LV_IPMcastVLANRepDstEntry", 170, true);
    LV_IPMcastVLANRepDstEntry = TableList;
    ED_Name = NewEditorEdit("ED_Name", "Name", 130);
    ED_MulticastVID = NewEditorEdit("ED_MulticastVID", "VLAN ID", 50);
    Status = NewEditorCombo("Status", "Status", 110);
}

void TIPMcastVLANRepDstForm::FormCreate(ui::Component*) {
    Ports = AddPortPage("Ports");
    OpenRowTable(DestinationTable, {.Table = &DestinationEntries,
                                    .KeyCount = 2,
                                    .Bind =
                                        [this](DialogRequest& request) {
                                            request.BindEdit(NameKey, "%s{l16}", ED_Name);
                                            request.BindEdit(VlanId, "%i{n1x4094}", ED_MulticastVID);
                                            BindPorts(request, PortList, Ports);
                                        },
                                    .Options = NoFlagTableOptions(),
                                    .RowStatusColumn = RowStatus,
                                    .RowStatusCombo = Status,
                                    .KeyEdits = {ED_Name, ED_MulticastVID},
                                    .ClearedEdits = {ED_Name, ED_MulticastVID}});
}

void TIPMcastVLANRepDstForm::AddState() {
    ResetRowButtons();
    SetEditorEnabled(Status, true);
    ClearEditors();
    ShowRowCount();
}

void TIPMcastVLANRepDstForm::RowSelectionChanged(bool selected) {
    if (selected)
        SetEditorEnabled(Status, false);
    else
        AddState();
}

void TIPMcastVLANRepDstForm::RefreshBtnClick() {
    // A walk under way is not started again.
    DestinationTable.Reread();
    AddState();
}

void TIPMcastVLANRepDstForm::AddBtnClick() {
    if (ED_Name->Text().empty()) return RefuseInput(this, "IP Multicast VLAN Replication Name must be set.", ED_Name);
    if (ED_MulticastVID->Text().empty()) return RefuseInput(this, "VLAN ID must be set.", ED_MulticastVID);
    if (Status->Text() != "createAndGo") return ShowMessage(this, "Status should be set to createAndGo");
    if (!DestinationTable.PassGuard()) return;
    DestinationTable.WriteOnly([this] { DestinationTable.SendRefreshing(); }, DialogTable::ErrorText::Bare);
    AddState();
}

void TIPMcastVLANRepDstForm::btnDeleteClick() {
    DestinationTable.SelectRowStatus(RowStatusValue::Destroy);
    if (!DestinationTable.PassGuard()) return;
    // The entry's ports go with its destroy.
    DestinationTable.WriteOnly([this] { DestinationTable.SendRefreshing(); });
    AddState();
}
