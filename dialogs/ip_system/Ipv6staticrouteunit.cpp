#include "Ipv6staticrouteunit.h"

#include "CatalogTables.h"
#include "Ipv6staticrouteeditunit.h"
#include "ListView.h"
#include "StdCtrls.h"

TIpv6StaticRouteForm* Ipv6StaticRouteForm = nullptr;

namespace {

const CatalogTable& RouteEntry = Oid_ip::E_12_26_3_1_1;

}  // namespace

TIpv6StaticRouteForm::TIpv6StaticRouteForm(ui::Component* owner)
    : TDedicatedForm(owner, 700, 350), RouteTable(AddTable()) {
    SetName("Ipv6StaticRouteForm");
    SetCaption("IPV6 Static Route");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    btnGet = NewRoleButton(ButtonRole::Refresh, "btnGet", [this] { btnGetClick(); });
    // Adding does not follow the row selection.
    btnAdd = NewPanelButton("btnAdd", "Add", [this] { ShowAddForm(false); });
    btnAddDefault = NewPanelButton("btnAddDefault", "Add Default", [this] { ShowAddForm(true); });
    btnDelete = NewRoleButton(ButtonRole::Delete, "btnDelete", [this] { btnDeleteClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    ListView1 = TableList = new ui::ListView(this);
    ListView1->SetName("ListView1");
    ListView1->SetParent(this);
    ListView1->SetAlign(ui::alClient);
}

void TIpv6StaticRouteForm::FormCreate(ui::Component*) {
    EditForm = Ipv6StaticRouteEditForm = new TIpv6StaticRouteEditForm(*this, RouteTable);
    DialogTable::Options options = NoFlagTableOptions();
    options.Errors = DialogTable::ErrorText::Bare;
    OpenRowTable(RouteTable, {.Table = &RouteEntry,
                              .KeyCount = 4,
                              .Bind = [this](DialogRequest& request) { EditForm->BindEditors(request); },
                              .Options = options,
                              .RowStatusColumn = TIpv6StaticRouteEditForm::RowStatus,
                              .RowStatusCombo = EditForm->cbxStatus,
                              .KeepsRowStatus = true});
}

void TIpv6StaticRouteForm::btnGetClick() {
    RouteTable.Reread();
    btnDelete->SetEnabled(false);
}

void TIpv6StaticRouteForm::ShowAddForm(bool defaultRoute) {
    // A write during a read would leave the list without the new row, or with rows twice.
    if (!RouteTable.PassGuard()) return;
    EditForm->ShowForRoute(defaultRoute);
}

void TIpv6StaticRouteForm::btnDeleteClick() {
    if (!ListView1->Selected()) return ShowWarning(this, "Choose the item first.");
    if (!RouteTable.PassGuard()) return;
    RouteTable.SelectRowStatus(RowStatusValue::Destroy);
    RouteTable.Write([this] { RouteTable.Send({TIpv6StaticRouteEditForm::Metric}); });
    btnDelete->SetEnabled(false);
    ShowRowCount();
}
