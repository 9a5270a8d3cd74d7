#include "Arpipv6controlformunit.h"

#include "Arpipv6controlformeditunit.h"
#include "CatalogTables.h"
#include "DeviceWindow.h"
#include "ListView.h"
#include "StdCtrls.h"

TARPIPV6ControlForm* ARPIPV6ControlForm = nullptr;

namespace {

const CatalogTable& NeighbourEntry = Oid_ip::E_12_26_4_1_1;

}  // namespace

TARPIPV6ControlForm::TARPIPV6ControlForm(ui::Component* owner)
    : TDedicatedForm(owner, 650, 350), NeighbourTable(AddTable()) {
    SetName("ARPIPV6ControlForm");
    SetCaption("IPV6 ARP Control");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    btnGet = NewRoleButton(ButtonRole::Refresh, "btnGet", [this] { btnGetClick(); });
    btnAdd = NewPanelButton("btnAdd", "Add", [this] { btnAddClick(); });
    btnDelete = NewRoleButton(ButtonRole::Delete, "btnDelete", [this] { btnDeleteClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    ListView1 = TableList = new ui::ListView(this);
    ListView1->SetName("ListView1");
    ListView1->SetParent(this);
    ListView1->SetAlign(ui::alClient);
}

void TARPIPV6ControlForm::FormCreate(ui::Component*) {
    EditForm = ARPIPv6ControlEditForm = new TARPIPv6ControlEditForm(*this, NeighbourTable);
    DialogTable::Options options = SynchronousTableOptions();
    options.FirstGet = true;
    OpenRowTable(NeighbourTable, {.Table = &NeighbourEntry,
                                  .KeyCount = 3,
                                  .Bind = [this](DialogRequest& request) { EditForm->BindEditors(request); },
                                  .Options = options,
                                  .RowStatusColumn = TARPIPv6ControlEditForm::RouteStatus,
                                  .RowStatusCombo = EditForm->cbxRowStatus,
                                  .KeepsRowStatus = true});
}

void TARPIPV6ControlForm::btnGetClick() {
    NeighbourTable.Reread();
    btnDelete->SetEnabled(false);
}

void TARPIPV6ControlForm::btnAddClick() {
    EditForm->ShowFor(TDialogEditForm::Mode::Add,
                      "IPv6 Neighbor Cache Table: " + CurrentDeviceWindow().DeviceAddress());
}

void TARPIPV6ControlForm::btnDeleteClick() {
    if (!ListView1->Selected()) return ShowWarning(this, "Choose the item first.");
    if (!NeighbourTable.PassGuard()) return;
    NeighbourTable.DeleteRow();
    btnDelete->SetEnabled(false);
    ShowRowCount();
}
