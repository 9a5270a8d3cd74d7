#include "Ipctrlunit.h"

#include "CatalogTables.h"
#include "Ipctrleditunit.h"
#include "ListView.h"
#include "StdCtrls.h"

TIpCtrlForm* IpCtrlForm = nullptr;

namespace {

const CatalogTable& InterfaceEntry = Oid_ip::E_11_70_7_3_2_1_3_1;
constexpr const char* SystemInterface = "System";
constexpr int VlanSubItem = 3;
constexpr int SecondarySubItem = 4;

}  // namespace

TIpCtrlForm::TIpCtrlForm(ui::Component* owner) : TDedicatedForm(owner, 700, 400), InterfaceTable(AddTable()) {
    SetName("IpCtrlForm");
    SetCaption("IP Control Form");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    btnRefresh = NewRoleButton(ButtonRole::Refresh, "btnRefresh", [this] { btnRefreshClick(); });
    btnAdd = NewRoleButton(ButtonRole::Add, "btnAdd", [this] { btnAddClick(); });
    btnDel = NewRoleButton(ButtonRole::Delete, "btnDel", [this] { btnDelClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    btnStop = NewRoleButton(ButtonRole::Stop, "btnStop");
    btnEdit = NewRoleButton(ButtonRole::Set, "btnEdit", "Edit", [this] { btnEditClick(); });
    ListView1 = TableList = new ui::ListView(this);
    ListView1->SetName("ListView1");
    ListView1->SetParent(this);
    ListView1->SetAlign(ui::alClient);
    ListView1->OnDblClick = [this](ui::Component*) { btnEditClick(); };
}

void TIpCtrlForm::FormCreate(ui::Component*) {
    EditForm = IPCtrlEdtForm = new TIPCtrlEdtForm(*this, InterfaceTable, *ListView1);
    DialogTable::Options options;
    options.Errors = DialogTable::ErrorText::Bare;
    // A walk's end (read, stopped or failed) allows adding again.
    InterfaceTable.OnWalkEnded = [this] {
        btnAdd->SetEnabled(true);
        btnDel->SetEnabled(false);
    };
    OpenRowTable(InterfaceTable, {.Table = &InterfaceEntry,
                                  .Bind = [this](DialogRequest& request) { EditForm->BindEditors(request); },
                                  .Options = options,
                                  .RowStatusColumn = TIPCtrlEdtForm::State,
                                  .RowStatusCombo = EditForm->cbxState,
                                  .KeepsRowStatus = true,
                                  .GuardsClose = true});
}

void TIpCtrlForm::RowSelectionChanged(bool selected) {
    if (selected && ListView1->Selected()->Caption() == SystemInterface) btnDel->SetEnabled(false);
}

void TIpCtrlForm::btnRefreshClick() {
    if (InterfaceTable.PassRefreshGuard()) InterfaceTable.Reread();
}

void TIpCtrlForm::btnAddClick() {
    if (!InterfaceTable.PassGuard()) return;
    EditForm->ShowFor(TDialogEditForm::Mode::Add);
}

void TIpCtrlForm::btnEditClick() { EditSelectedRow(*EditForm, InterfaceTable, *ListView1, Caption()); }

bool TIpCtrlForm::DeletionAllowed(const ui::ListItem& row) {
    if (row.Caption() == SystemInterface) {
        ShowMessage(this, "The system IP interface can't be deleted.");
        return false;
    }
    if (row.SubItems()[SecondarySubItem] != "false") return true;
    for (int i = 0; i < ListView1->Items().Count(); ++i) {
        const ui::ListItem* other = ListView1->Items()[i];
        if (other != &row && other->SubItems()[VlanSubItem] == row.SubItems()[VlanSubItem]) {
            ShowMessage(this, "The secondary interface must be deleted first!");
            return false;
        }
    }
    return true;
}

void TIpCtrlForm::btnDelClick() {
    const ui::ListItem* row = ListView1->Selected();
    if (!row) return btnDel->SetEnabled(false);
    if (!InterfaceTable.PassGuard() || !DeletionAllowed(*row)) return;
    InterfaceTable.DeleteRow();
    ShowRowCount();
    btnDel->SetEnabled(false);
}
