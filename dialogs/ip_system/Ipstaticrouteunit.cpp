#include "Ipstaticrouteunit.h"

#include "CatalogTables.h"
#include "Ipstaticrouteeditunit.h"
#include "ListView.h"
#include "StdCtrls.h"

TIpStaticRouteForm* IpStaticRouteForm = nullptr;

namespace {

const CatalogTable& RouteEntry = Oid_ip::E_11_70_7_3_2_5_1;

}  // namespace

TIpStaticRouteForm::TIpStaticRouteForm(ui::Component* owner) : TDedicatedForm(owner, 600, 350), RouteTable(AddTable()) {
    SetName("IpStaticRouteForm");
    SetCaption("IP Static Route");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    GetButton = NewRoleButton(ButtonRole::Refresh, "GetButton", [this] { GetButtonClick(); });
    // Adding does not follow the row selection.
    AddButton = NewPanelButton("AddButton", "Add", [this] { AddButtonClick(); });
    btnDefaultRoute = NewPanelButton("btnDefaultRoute", "Add Default Route", [this] { btnDefaultRouteClick(); });
    btnDefaultRoute->SetDefault(true);
    DeleteButton = NewRoleButton(ButtonRole::Delete, "DeleteButton", [this] { DeleteButtonClick(); });
    CloseButton = NewRoleButton(ButtonRole::Close, "CloseButton");
    ListView1 = TableList = new ui::ListView(this);
    ListView1->SetName("ListView1");
    ListView1->SetParent(this);
    ListView1->SetAlign(ui::alClient);
}

void TIpStaticRouteForm::FormCreate(ui::Component*) {
    EditForm = IpStaticRouteEditForm = new TIpStaticRouteEditForm(*this, RouteTable);
    DialogTable::Options options;
    options.Errors = DialogTable::ErrorText::Bare;
    OpenRowTable(RouteTable, {.Table = &RouteEntry,
                              .KeyCount = 3,
                              .Bind = [this](DialogRequest& request) { EditForm->BindEditors(request); },
                              .Options = options,
                              .RowStatusColumn = TIpStaticRouteEditForm::Status,
                              .RowStatusCombo = EditForm->cbxStatus,
                              .KeepsRowStatus = true,
                              .GuardsClose = true});
}

void TIpStaticRouteForm::GetButtonClick() {
    if (RouteTable.PassRefreshGuard()) RouteTable.Reread();
    DeleteButton->SetEnabled(false);
}

void TIpStaticRouteForm::ShowAddForm(bool defaultRoute) {
    if (!RouteTable.PassGuard()) return;
    EditForm->ShowForRoute(defaultRoute);
    ListView1->ClearSelection();
    DeleteButton->SetEnabled(false);
}

void TIpStaticRouteForm::AddButtonClick() { ShowAddForm(false); }

void TIpStaticRouteForm::btnDefaultRouteClick() { ShowAddForm(true); }

void TIpStaticRouteForm::DeleteButtonClick() {
    if (!ListView1->Selected()) return ShowWarning(this, "Choose the item first.");
    if (!RouteTable.PassGuard()) return;
    RouteTable.SelectStatusValue(TIpStaticRouteEditForm::Invalid);
    RouteTable.Write([this] {
        RouteTable.Send({TIpStaticRouteEditForm::BackupState, TIpStaticRouteEditForm::Metric});
    });
    ListView1->ClearSelection();
    DeleteButton->SetEnabled(false);
    ShowRowCount();
}
