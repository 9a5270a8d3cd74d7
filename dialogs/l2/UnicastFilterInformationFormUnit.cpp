#include "UnicastFilterInformationFormUnit.h"

#include "CatalogTables.h"
#include "ListView.h"
#include "StdCtrls.h"

TUnicastFilterInformationForm* UnicastFilterInformationForm = nullptr;

namespace {

const CatalogTable& StaticUnicastTable = Oid_bridgemib::Mib2_17_7_1_D;

enum Column { FdbId, Address, ReceivePort, AllowedToGoTo, Status };
enum StatusValue { Invalid = 2 };

}  // namespace

TUnicastFilterInformationForm::TUnicastFilterInformationForm(ui::Component* owner)
    : TDedicatedForm(owner, 695, 479), UnicastTable(AddTable()) {
    SetName("UnicastFilterInformationForm");
    BuildButtonPanel("ST_Count");
    ST_Count = RowCountText;
    RefreshBtn = NewPanelButton("RefreshBtn", "Refresh", [this] { RefreshBtnClick(RefreshBtn); });
    SetBtn = NewRoleButton(ButtonRole::Add, "SetBtn", "Add", [this] { SetBtnClick(SetBtn); });
    DeleteBtn = NewRoleButton(ButtonRole::Delete, "DeleteBtn", "Delete", [this] { DeleteBtnClick(DeleteBtn); });
    btnClose = NewPanelButton("btnClose", "Close", [this] { btnCloseClick(btnClose); });
    BuildTableArea("LV_dot1qStaticUnicastEntry", 200, true);
    LV_dot1qStaticUnicastEntry = TableList;
    ED_UnicastVID = NewEditorEdit("ED_UnicastVID", "VLAN ID", 50);
    UnicastAddress = NewEditorEdit("UnicastAddress", "MAC  Address", 110);
    UStatus = NewEditorCombo("UStatus", "Status", 110);
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    DoCreate();
}

void TUnicastFilterInformationForm::FormCreate(ui::Component*) {
    AllowedPorts = AddPortPage("Allow To Go To Ports");
    UnicastTable.Open(StaticUnicastTable, MVT_UMV, 3, [this](DialogRequest& request) {
        request.BindListView(LV_dot1qStaticUnicastEntry, true);
        request.BindEdit(FdbId, "%i{n1x4094}", ED_UnicastVID);
        request.BindEdit(Address, "%h", UnicastAddress);
        BindPorts(request, AllowedToGoTo, AllowedPorts);
        request.BindComboBox(Status, UStatus);
    }, NoFlagTableOptions());
    if (UnicastTable.HasRequest()) {
        UnicastTable.SetRowStatus(Status, UStatus);
        FollowRows(UnicastTable);
    }
    ClearsEditors({ED_UnicastVID, UnicastAddress}, UStatus);
    ShowRowCount();
    ResetRowButtons();
}

// A selected row's keys are shown read-only: its ports cannot be changed in place.
void TUnicastFilterInformationForm::RowSelectionChanged(bool selected) { KeysReadOnly(selected); }

void TUnicastFilterInformationForm::KeysReadOnly(bool readOnly) {
    ED_UnicastVID->SetReadOnly(readOnly);
    UnicastAddress->SetReadOnly(readOnly);
}

void TUnicastFilterInformationForm::ResetEditors() {
    ClearEditors();
    ResetRowButtons();
    KeysReadOnly(false);
}

// A walk empties the list, and with it the selection: the editors of the row that was selected are reset too, so
// that a Delete never takes keys from a row the list no longer shows.
void TUnicastFilterInformationForm::RefreshBtnClick(ui::Component*) {
    if (UnicastTable.Reread()) ResetEditors();
    ShowRowCount();
}

// Add: the row (VLAN ID, MAC address, receive port 0) with its allowed ports and the status permanent.
void TUnicastFilterInformationForm::SetBtnClick(ui::Component*) {
    if (ED_UnicastVID->Text().empty() || UnicastAddress->Text().empty())
        return ShowMessage(this, "Please input VLAN ID and MAC Address!");
    if (!IsMacKey(this, UnicastAddress->Text())) return;
    if (UStatus->Text() != "permanent") return ShowMessage(this, "Status Should be permanent");
    if (!UnicastTable.PassGuard()) return;
    UnicastTable.WriteOnly([this] { UnicastTable.SendRefreshing(); }, DialogTable::ErrorText::Bare);
    ClearEditors();
}

// Delete: the status invalid alone, for the selected row.
void TUnicastFilterInformationForm::DeleteBtnClick(ui::Component*) {
    if (ED_UnicastVID->Text().empty() || UnicastAddress->Text().empty())
        return ShowWarning(this, "Please select which entry you want to delete.");
    if (!IsMacKey(this, UnicastAddress->Text())) return;
    if (!UnicastTable.PassGuard()) return;
    UnicastTable.SelectStatusValue(Invalid);
    UnicastTable.WriteOnly([this] { UnicastTable.SendRefreshing({AllowedToGoTo}); });
    ResetEditors();
}

void TUnicastFilterInformationForm::btnCloseClick(ui::Component*) { Close(); }
