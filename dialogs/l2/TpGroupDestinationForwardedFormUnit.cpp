#include "TpGroupDestinationForwardedFormUnit.h"

#include "CatalogTables.h"
#include "ListView.h"
#include "StdCtrls.h"

TTpGroupDestinationForwardedForm* TpGroupDestinationForwardedForm = nullptr;

namespace {

const CatalogTable& TpGroupEntries = Oid_bridgemib::Mib2_17_7_1_A;

enum Column { VlanId, GroupAddress, EgressPortList, GmrpLearntPortList };

}  // namespace

TTpGroupDestinationForwardedForm::TTpGroupDestinationForwardedForm(ui::Component* owner)
    : TDedicatedForm(owner, 696, 460), TpGroupTable(AddTable()) {
    SetName("TpGroupDestinationForwardedForm");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    RefreshBtn = NewRoleButton(ButtonRole::Refresh, "RefreshBtn", "Refresh", [this] { RefreshBtnClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("LV_dot1qTpGroupEntry", 200, true, 8);
    LV_dot1qTpGroupEntry = TableList;
}

void TTpGroupDestinationForwardedForm::FormCreate(ui::Component*) {
    EgressPorts = AddPortPage("Egress Ports");
    GmrpLearntPorts = AddPortPage("GMRP Learning Ports");
    OpenRowTable(TpGroupTable, {.Table = &TpGroupEntries,
                                .KeyCount = 2,
                                .Bind =
                                    [this](DialogRequest& request) {
                                        BindPorts(request, EgressPortList, EgressPorts);
                                        BindPorts(request, GmrpLearntPortList, GmrpLearntPorts);
                                    },
                                .Options = NoFlagTableOptions()});
}

// A walk under way is not started again.
void TTpGroupDestinationForwardedForm::RefreshBtnClick() { TpGroupTable.Reread(); }
