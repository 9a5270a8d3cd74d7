#include "NLBUnicastFDBFormUnit.h"

#include "CatalogTables.h"
#include "ComCtrls.h"
#include "ListView.h"
#include "StdCtrls.h"

TNLBUnicastFDBForm* NLBUnicastFDBForm = nullptr;

namespace {

const CatalogTable& NlbFdbTable = Oid_switch::E_12_77_3_2_1;

enum Column { VlanIndex, MacAddress, Egress, RowStatus };

}  // namespace

TNLBUnicastFDBForm::TNLBUnicastFDBForm(ui::Component* owner)
    : TDedicatedForm(owner, 660, 432), FdbTable(AddTable()) {
    SetName("NLBUnicastFDBForm");
    BuildButtonPanel("ST_Count", "Samples");
    ST_Count = RowCountText;
    RefreshBtn = NewRoleButton(ButtonRole::Refresh, "RefreshBtn", [this] { RefreshBtnClick(); });
    AddBtn = NewRoleButton(ButtonRole::Add, "AddBtn", [this] { AddBtnClick(); });
    DeleteBtn = NewRoleButton(ButtonRole::Delete, "DeleteBtn", [this] { DeleteBtnClick(); });
    SetBtn = NewRoleButton(ButtonRole::Set, "SetBtn", [this] { SetBtnClick(); });
    CloseButton = NewRoleButton(ButtonRole::Close, "CloseButton");
    BuildTableArea("LV_dot1qStaticUnicastEntry", 170, true);
    LV_dot1qStaticUnicastEntry = TableList;
    pgc1 = PageControl1;
    pgc1->SetName("pgc1");
    ED_UnicastVID = NewEditorEdit("ED_UnicastVID", "VLAN ID", 50);
    UnicastAddress = NewEditorEdit("UnicastAddress", "MAC  Address", 110);
    UStatus = NewEditorCombo("UStatus", "Status", 100);
    UStatus->Hide();
}

void TNLBUnicastFDBForm::FormCreate(ui::Component*) {
    EgressPorts = AddPortPage("Egress Ports");
    DialogTable::Options options = NoFlagTableOptions();
    options.Errors = DialogTable::ErrorText::Bare;
    OpenRowTable(FdbTable, {.Table = &NlbFdbTable,
                            .KeyCount = 2,
                            .Bind = [this](DialogRequest& request) {
                                request.BindEdit(VlanIndex, "%i{n1x4094}", ED_UnicastVID);
                                request.BindEdit(MacAddress, "%h", UnicastAddress);
                                BindPorts(request, Egress, EgressPorts);
                            },
                            .Options = options,
                            .RowStatusColumn = RowStatus,
                            .RowStatusCombo = UStatus,
                            .ClearedEdits = {UnicastAddress, ED_UnicastVID}});
}

// The keys of a selected entry are locked (greyed, without a change of colour).
void TNLBUnicastFDBForm::RowSelectionChanged(bool selected) { KeysEnabled(!selected); }

void TNLBUnicastFDBForm::KeysEnabled(bool enabled) {
    ED_UnicastVID->SetEnabled(enabled);
    UnicastAddress->SetEnabled(enabled);
}

void TNLBUnicastFDBForm::ClearEntry() {
    ClearEditors();
    ShowRowCount();
}

// A walk under way is not started again; editors and buttons stay as they are.
void TNLBUnicastFDBForm::RefreshBtnClick() {
    FdbTable.Reread(DialogTable::ErrorText::Template);
    ShowRowCount();
}

// Add: Row Status createAndGo alone, the keys forming the instance; the egress ports follow with Set.
void TNLBUnicastFDBForm::AddBtnClick() {
    if (ED_UnicastVID->Text().empty() || UnicastAddress->Text().empty())
        return ShowMessage(this, "Please Input VLAN ID and MAC Address!");
    if (!IsMacKey(this, UnicastAddress->Text())) return;
    if (!FdbTable.PassGuard()) return;
    FdbTable.SelectRowStatus(RowStatusValue::CreateAndGo);
    FdbTable.WriteOnly([this] { FdbTable.SendRefreshing({Egress}); });
    ClearEntry();
}

// Delete: Row Status destroy alone for the keys in the editors; the table is read again after the SET's answer,
// and also after a caught exception.
void TNLBUnicastFDBForm::DeleteBtnClick() {
    if (ED_UnicastVID->Text().empty() || UnicastAddress->Text().empty())
        return ShowWarning(this, "Please select which entry you want to delete.");
    if (!IsMacKey(this, UnicastAddress->Text())) return;
    if (!FdbTable.PassGuard()) return;
    FdbTable.SelectRowStatus(RowStatusValue::Destroy);
    FdbTable.WriteOnly([this] { FdbTable.SendRefreshing({Egress}); });
    ClearEntry();
    DeleteBtn->SetEnabled(false);
    AddBtn->SetEnabled(true);
    KeysEnabled(true);
    FdbTable.ReadAgain();
}

// Set: the egress ports and the Row Status read for the selected entry, then the table read again. Without a
// selected entry there is no row to take the values from: nothing is sent.
void TNLBUnicastFDBForm::SetBtnClick() {
    if (!LV_dot1qStaticUnicastEntry->Selected()) return;
    FdbTable.Write([this] { FdbTable.Send(); });
}
