#include "MulticastForwardingInformationFormUnit.h"

#include "CatalogTables.h"
#include "ListView.h"
#include "StdCtrls.h"

TMulticastForwardingInformationForm* MulticastForwardingInformationForm = nullptr;

namespace {

const CatalogTable& ForwardAllEntries = Oid_bridgemib::Mib2_17_7_1_B;

enum Column { VlanId, AllPorts, StaticPortList, ForbiddenPortList };

}  // namespace

TMulticastForwardingInformationForm::TMulticastForwardingInformationForm(ui::Component* owner)
    : TDedicatedForm(owner, 696, 514), ForwardAllTable(AddTable()) {
    SetName("MulticastForwardingInformationForm");
    BuildButtonPanel("ST_Count");
    ST_Count = RowCountText;
    RefreshBtn = NewRoleButton(ButtonRole::Refresh, "RefreshBtn", "Refresh", [this] { RefreshBtnClick(); });
    SetBtn = NewRoleButton(ButtonRole::Set, "SetBtn", [this] { SetBtnClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("LV_dot1qForwardUnregisteredEntry", 200, true, 8);
    LV_dot1qForwardUnregisteredEntry = TableList;
}

void TMulticastForwardingInformationForm::FormCreate(ui::Component*) {
    ForwardPorts = AddPortPage("Forward Ports");
    StaticPorts = AddPortPage("Static Ports");
    ForbiddenPorts = AddPortPage("Forbidden Ports");
    OpenRowTable(ForwardAllTable, {.Table = &ForwardAllEntries,
                                   .Kind = MVT_FMV,
                                   .Bind =
                                       [this](DialogRequest& request) {
                                           BindPorts(request, AllPorts, ForwardPorts);
                                           BindPorts(request, StaticPortList, StaticPorts);
                                           BindPorts(request, ForbiddenPortList, ForbiddenPorts);
                                       },
                                   .Options = NoFlagTableOptions()});
}

void TMulticastForwardingInformationForm::RefreshBtnClick() {
    // A walk under way is not started again.
    ForwardAllTable.Reread();
    ShowRowCount();
}

void TMulticastForwardingInformationForm::SetBtnClick() {
    if (!LV_dot1qForwardUnregisteredEntry->Selected()) return;
    ForwardAllTable.WriteOnly([this] { ForwardAllTable.SendRefreshing({AllPorts}); });
    ShowRowCount();
}
