#include "Tacacsservercontrolunit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"

#include "ListView.h"
#include "StdCtrls.h"

TAAASrvCtrlForm* AAASrvCtrlForm = nullptr;

namespace {

enum Column { GroupName, Address, Protocol, Operation };

}  // namespace

TAAASrvCtrlForm::TAAASrvCtrlForm(ui::Component* owner) : TDedicatedForm(owner, 420, 180), Members(AddTable()) {
    SetName("AAASrvCtrlForm");
    SetCaption("Server Control Form");
    BuildButtonPanel("");
    btnSet = NewRoleButton(ButtonRole::Set, "btnSet", [this] { btnSetClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    EditorGrid grid(this, this, 300, 170);
    edtSrvGrpName = grid.Edit(0, 0, "edtSrvGrpName", "Server Group Name", 110);
    edtSrvIP = grid.Edit(0, 1, "edtSrvIP", "Server IP Address", 110);
    cbxAuthPtcl = grid.Combo(0, 2, "cbxAuthPtcl", "Server Authentication Protocol", 110);
    cbxOper = grid.Combo(0, 3, "cbxOper", "Operate", 110);
    lvOper = new ui::ListView(this);
    lvOper->SetName("lvOper");
    lvOper->SetParent(this);
    lvOper->Hide();
}

void TAAASrvCtrlForm::FormCreate(ui::Component*) {
    DialogTable::Options options = NoFlagTableOptions();
    options.Errors = DialogTable::ErrorText::Bare;
    Members.Open(
        Oid_security::E_12_5_12_1, MVT_UMV, 3,
        [this](DialogRequest& request) {
            request.BindListView(lvOper, false);
            request.BindEdit(GroupName, "%s{l15}", edtSrvGrpName);
            request.BindEdit(Address, "%s{l16}", edtSrvIP);
            request.BindComboBox(Protocol, cbxAuthPtcl);
            request.BindComboBox(Operation, cbxOper);
        },
        options);
    cbxAuthPtcl->SetItemIndex(-1);
    cbxOper->SetItemIndex(-1);
}

void TAAASrvCtrlForm::btnSetClick() {
    if (edtSrvGrpName->Text().empty()) return ShowMessage(this, "Please input Server Group Name.");
    if (edtSrvIP->Text().empty()) return ShowMessage(this, "Please input Server IP Address.");
    if (cbxAuthPtcl->ItemIndex() < 0) return ShowMessage(this, "Please choose Server Authentication Protocol.");
    if (cbxOper->ItemIndex() < 0) return ShowMessage(this, "Please choose Operate.");
    if (!Members.PassGuard()) return;
    Members.WriteOnly([this] { Members.Send(); });
}
