#include "MulticastFilterInformationFormUnit.h"

#include "CatalogTables.h"
#include "ListView.h"
#include "StdCtrls.h"

TMulticastFilterInformationForm* MulticastFilterInformationForm = nullptr;

namespace {

const CatalogTable& StaticMulticastTable = Oid_bridgemib::Mib2_17_7_1_C;

enum Column { FdbId, Address, ReceivePort, Egress, StatusColumn };
enum StatusValue { Invalid = 2 };

}  // namespace

TMulticastFilterInformationForm::TMulticastFilterInformationForm(ui::Component* owner)
    : TDedicatedForm(owner, 659, 449), MulticastTable(AddTable()) {
    SetName("MulticastFilterInformationForm");
    BuildButtonPanel("ST_Count");
    ST_Count = RowCountText;
    RefreshBtn = NewPanelButton("RefreshBtn", "Refresh", [this] { RefreshBtnClick(RefreshBtn); });
    SetBtn = NewRoleButton(ButtonRole::Set, "SetBtn", "Set", [this] { SetBtnClick(SetBtn); });
    AddBtn = NewRoleButton(ButtonRole::Add, "AddBtn", "Add", [this] { AddBtnClick(AddBtn); });
    btnDelete = NewRoleButton(ButtonRole::Delete, "btnDelete", "Delete", [this] { btnDeleteClick(btnDelete); });
    btnClose = NewPanelButton("btnClose", "Close", [this] { btnCloseClick(btnClose); });
    BuildTableArea("LV_dot1qStaticMulticastEntry", 190, true);
    LV_dot1qStaticMulticastEntry = TableList;
    ED_MulticastVID = NewEditorEdit("ED_MulticastVID", "VLAN ID", 50);
    ED_MACAddress = NewEditorEdit("ED_MACAddress", "MAC Address", 110);
    Status = NewEditorCombo("Status", "Status", 110);
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    DoCreate();
}

void TMulticastFilterInformationForm::FormCreate(ui::Component*) {
    EgressPorts = AddPortPage("Egress Ports");
    MulticastTable.Open(StaticMulticastTable, MVT_UMV, 3, [this](DialogRequest& request) {
        request.BindListView(LV_dot1qStaticMulticastEntry, true);
        request.BindEdit(FdbId, "%i{n1x4094}", ED_MulticastVID);
        request.BindEdit(Address, "%h", ED_MACAddress);
        BindPorts(request, Egress, EgressPorts);
        request.BindComboBox(StatusColumn, Status);
    }, NoFlagTableOptions());
    if (MulticastTable.HasRequest()) {
        MulticastTable.SetRowStatus(StatusColumn, Status);
        FollowRows(MulticastTable, {ED_MulticastVID, ED_MACAddress});
    }
    ClearsEditors({ED_MulticastVID, ED_MACAddress}, Status);
    ShowRowCount();
    ResetRowButtons();
}

// A selected row keeps its status: Set writes its ports, Delete its removal.
void TMulticastFilterInformationForm::RowSelectionChanged(bool selected) { Status->SetEnabled(!selected); }

// The three editors enabled, Set and Delete disabled, Add enabled, the editors cleared.
void TMulticastFilterInformationForm::ResetEditors() {
    ResetRowButtons();
    Status->SetEnabled(true);
    ClearEditors();
}

void TMulticastFilterInformationForm::RefreshBtnClick(ui::Component*) {
    MulticastTable.Reread();
    ShowRowCount();
    ResetEditors();
}

// Add: the row (VLAN ID, MAC address, receive port 0) with its egress ports and the status permanent. The keys
// are checked too, so that an empty or short one never makes the instance of another row.
void TMulticastFilterInformationForm::AddBtnClick(ui::Component*) {
    if (Status->Text() != "permanent") return ShowMessage(this, "Status should be set to permanent");
    if (ED_MulticastVID->Text().empty() || ED_MACAddress->Text().empty())
        return ShowMessage(this, "Please input VLAN ID and MAC Address!");
    if (!IsMacKey(this, ED_MACAddress->Text())) return;
    if (!MulticastTable.PassGuard()) return;
    MulticastTable.WriteOnly([this] { MulticastTable.SendRefreshing(); });
    ResetEditors();
}

// Set: the egress ports of the selected row (its status is left out).
void TMulticastFilterInformationForm::SetBtnClick(ui::Component*) {
    if (!LV_dot1qStaticMulticastEntry->Selected()) return;
    if (!MulticastTable.PassGuard()) return;
    SetBtn->SetEnabled(false);
    MulticastTable.WriteOnly([this] { MulticastTable.SendRefreshing({StatusColumn}); });
    ResetEditors();
}

// Delete: the egress ports as shown and the status invalid, for the selected row. The combo shows "invalid" even
// when the click is refused.
void TMulticastFilterInformationForm::btnDeleteClick(ui::Component*) {
    MulticastTable.SelectStatusValue(Invalid);
    if (!LV_dot1qStaticMulticastEntry->Selected()) return;
    if (!MulticastTable.PassGuard()) return;
    if (!IsMacKey(this, ED_MACAddress->Text())) return;
    MulticastTable.WriteOnly([this] { MulticastTable.SendRefreshing(); });
    ResetEditors();
    ShowRowCount();
}

void TMulticastFilterInformationForm::btnCloseClick(ui::Component*) { Close(); }
