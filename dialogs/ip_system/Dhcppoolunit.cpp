#include "Dhcppoolunit.h"

#include "CatalogTables.h"
#include "DeviceWindow.h"
#include "Dhcppooleditunit.h"
#include "ListView.h"
#include "StdCtrls.h"

TDHCPPoolForm* DHCPPoolForm = nullptr;

namespace {

const CatalogTable& PoolEntry = Oid_dhcpserver::E_12_38_3_2_1_1;

}  // namespace

TDHCPPoolForm::TDHCPPoolForm(ui::Component* owner) : TDedicatedForm(owner, 700, 400), PoolTable(AddTable()) {
    SetName("DHCPPoolForm");
    SetCaption("DHCP Pool Form");
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

void TDHCPPoolForm::FormCreate(ui::Component*) {
    EditForm = DHCPPoolEdtForm = new TDHCPPoolEdtForm(*this, PoolTable);
    DialogTable::Options options;
    options.Errors = DialogTable::ErrorText::Bare;
    PoolTable.OnWalkEnded = [this] {
        btnAdd->SetEnabled(true);
        btnDel->SetEnabled(false);
    };
    OpenRowTable(PoolTable, {.Table = &PoolEntry,
                             .Bind = [this](DialogRequest& request) { EditForm->BindEditors(request); },
                             .Options = options,
                             .RowStatusColumn = TDHCPPoolEdtForm::Status,
                             .RowStatusCombo = EditForm->cbxStatus,
                             .KeepsRowStatus = true,
                             .GuardsClose = true});
}

std::string TDHCPPoolForm::EditTitle() const { return "DHCP Pool Table: " + CurrentDeviceWindow().DeviceAddress(); }

void TDHCPPoolForm::btnRefreshClick() {
    if (PoolTable.PassRefreshGuard()) PoolTable.Reread();
}

void TDHCPPoolForm::btnAddClick() {
    if (!PoolTable.PassGuard()) return;
    EditForm->ShowFor(TDialogEditForm::Mode::Add, EditTitle());
}

void TDHCPPoolForm::btnEditClick() { EditSelectedRow(*EditForm, PoolTable, *ListView1, EditTitle()); }

void TDHCPPoolForm::btnDelClick() {
    if (!ListView1->Selected()) return;
    if (!PoolTable.PassGuard()) return;
    PoolTable.DeleteRow();
    ShowRowCount();
    btnDel->SetEnabled(false);
}
