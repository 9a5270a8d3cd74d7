#include "VLanCurrentTableFormUnit.h"

#include "CatalogTables.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <algorithm>

TVLanCurrentTableForm* VLanCurrentTableForm = nullptr;

namespace {

const CatalogTable& CurrentVlanTable = Oid_bridgemib::Mib2_17_7_1_4_2_1;
const CatalogTable& DeletionsTable = Oid_bridgemib::Mib2_17_7_1_4_B;

enum Column { TimeMark, VlanIndex, FdbId, CurrentEgress, CurrentUntagged, VlanStatus, CreationTime };

}  // namespace

TVLanCurrentTableForm::TVLanCurrentTableForm(ui::Component* owner)
    : TDedicatedForm(owner, 582, 517), CurrentTable(AddTable()), Deletions(AddTable()) {
    SetName("VLanCurrentTableForm");
    BuildButtonPanel("ST_Count2");
    ST_Count2 = RowCountText;
    RefreshBtn = NewRoleButton(ButtonRole::Refresh, "RefreshBtn");
    SetBtn = NewPanelButton("SetBtn", "Set", [] {});
    SetBtn->Hide();
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("LV_dot1qVlanCurrentEntry", 220, true);
    LV_dot1qVlanCurrentEntry = TableList;
    LV_dot1qVlanCurrentEntry->SetGridLines(true);
    VlanNumDeletes = NewEditorText("VlanNumDeletes", "VLAN Delete Numbers",
                                   std::max(60, ui::StaticText::WidthFor("4294967295", ui::sbsSunken)));
    StaticText1 =
        NewEditorText("StaticText1", "VLAN Index", std::max(60, ui::StaticText::WidthFor("4094", ui::sbsSunken)));
}

void TVLanCurrentTableForm::FormCreate(ui::Component*) {
    EgressPorts = AddPortPage("Egress Ports");
    UntaggedPorts = AddPortPage("Untagged Ports");
    Deletions.Open(
        DeletionsTable, SVT_SV, 0, [this](DialogRequest& request) { request.BindStaticText(0, VlanNumDeletes); },
        NoFlagTableOptions());
    OpenRowTable(CurrentTable, {.Table = &CurrentVlanTable,
                                .KeyCount = 2,
                                .Bind = [this](DialogRequest& request) {
                                    request.BindStaticText(VlanIndex, StaticText1);
                                    BindPorts(request, CurrentEgress, EgressPorts);
                                    BindPorts(request, CurrentUntagged, UntaggedPorts);
                                },
                                .Options = NoFlagTableOptions(),
                                .ClearedTexts = {StaticText1}});
}
