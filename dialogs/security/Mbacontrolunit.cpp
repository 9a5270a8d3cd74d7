#include "Mbacontrolunit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"

#include "ExtCtrls.h"
#include "StdCtrls.h"

TMBAControlForm* MBAControlForm = nullptr;

namespace {

enum GlobalColumn { State, Method, Password, ClearAllAction };
enum VlanColumn { VlanName, MemberPorts };
constexpr int SlowSwitchTimeout = 300;
constexpr int EditorRows = 3;

DialogTable::Options MbaOptions() {
    DialogTable::Options options = SynchronousTableOptions();
    options.Timeout = SlowSwitchTimeout;
    return options;
}

}  // namespace

TMBAControlForm::TMBAControlForm(ui::Component* owner)
    : TDedicatedForm(owner, 700, 560),
      Global(AddTable()),
      AuthorisedVlan(AddTable()),
      DeleteState(AddTable()),
      StoredName(AddTable()) {
    SetName("MBAControlForm");
    SetCaption("MBA Control");
    BuildButtonPanel("");
    BT_Get = NewRoleButton(ButtonRole::Refresh, "BT_Get", [this] { BT_GetClick(); });
    SetBtn = NewRoleButton(ButtonRole::Set, "SetBtn", [this] { SetBtnClick(); });
    DelBtn = NewRoleButton(ButtonRole::Delete, "DelBtn", [this] { DelBtnClick(); });
    BT_Close = NewRoleButton(ButtonRole::Close, "BT_Close");
    BuildEditorArea(true, EditorGrid::RowHeight * EditorRows + 16);
    EditorGrid grid(this, EditorPanel, 290, 110);
    Cbox_State = grid.Combo(0, 0, "Cbox_State", "State", 120);
    Cbox_Method = grid.Combo(0, 1, "Cbox_Method", "Method", 120);
    edtPassWord = grid.Edit(0, 2, "edtPassWord", "Password", 160);
    Cbox_ClearAllAction = grid.Combo(1, 0, "Cbox_ClearAllAction", "Clear All Action", 120);
    edtName = grid.Edit(1, 1, "edtName", "VLAN Name", 160);
    Edit1 = grid.Edit(1, 2, "Edit1", "", 100);
    Edit1->SetText("Vlan Name");
    Edit1->Hide();
    cbxDel = grid.Combo(1, 2, "cbxDel", "", 80);
    cbxDel->Hide();
}

void TMBAControlForm::FormCreate(ui::Component*) {
    Ports = AddPortPage("Ports");
    Global.Open(
        Oid_mba::E_12_35_1_A, SVT_SV, 0,
        [this](DialogRequest& request) {
            request.BindComboBox(State, Cbox_State);
            request.BindComboBox(Method, Cbox_Method);
            request.BindEdit(Password, "%s{l32}", edtPassWord);
            request.BindComboBox(ClearAllAction, Cbox_ClearAllAction);
        },
        MbaOptions());
    AuthorisedVlan.Open(
        Oid_mba::E_12_35_1_B, SVT_SV, 0,
        [this](DialogRequest& request) {
            request.BindEdit(VlanName, "%s", edtName);
            BindPorts(request, MemberPorts, Ports);
        },
        MbaOptions());
    DeleteState.Open(
        Oid_mba::E_12_35_1_C, SVT_SV, 0, [this](DialogRequest& request) { request.BindComboBox(0, cbxDel); },
        MbaOptions());
    StoredName.Open(
        Oid_mba::E_12_35_1_D, SVT_SV, 0, [this](DialogRequest& request) { request.BindEdit(0, "%s", Edit1); },
        MbaOptions());
    for (DialogTable* table : {&StoredName, &Global, &AuthorisedVlan, &DeleteState}) table->Reread();
}

// A table busy when its turn comes ends the reads there.
void TMBAControlForm::BT_GetClick() {
    for (DialogTable* table : {&AuthorisedVlan, &DeleteState, &StoredName, &Global}) {
        if (table->Busy()) return;
        table->Reread();
    }
}

void TMBAControlForm::SetBtnClick() {
    if (Global.Busy()) return;
    Global.WriteOnly([this] { Global.Send(); });
    if (AuthorisedVlan.Busy()) return;
    StoredName.Reread();
    SetAuthorisedVlan();
}

// The authorised VLAN's name cannot change while one is stored: it is deleted first.
void TMBAControlForm::SetAuthorisedVlan() {
    const std::string stored = Edit1->Text();
    const std::string typed = edtName->Text();
    if (!stored.empty() && stored != typed)
        return ShowMessage(this, "Can't change the VLAN name,delete previous name first!");
    if (stored.empty() && typed.empty()) return;
    AuthorisedVlan.WriteOnly([&] {
        if (stored.empty()) {
            AuthorisedVlan.Send();
        } else {
            AuthorisedVlan.Send({VlanName});
        }
    });
}

void TMBAControlForm::DelBtnClick() {
    if (DeleteState.Busy()) return;
    DeleteState.WriteOnly([this] {
        cbxDel->SetText("start");
        DeleteState.Send();
    });
    BT_GetClick();
}
