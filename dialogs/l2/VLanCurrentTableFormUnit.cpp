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
    RefreshBtn = NewPanelButton("RefreshBtn", "Refresh", [this] { RefreshBtnClick(RefreshBtn); });
    SetBtn = NewPanelButton("SetBtn", "Set", [] {});
    SetBtn->Hide();
    btnClose = NewPanelButton("btnClose", "Close", [this] { btnCloseClick(btnClose); });
    BuildTableArea("LV_dot1qVlanCurrentEntry", 220, true);
    LV_dot1qVlanCurrentEntry = TableList;
    LV_dot1qVlanCurrentEntry->SetGridLines(true);
    VlanNumDeletes = NewEditorText("VlanNumDeletes", "VLAN Delete Numbers",
                                   std::max(60, ui::StaticText::WidthFor("4294967295", ui::sbsSunken)));
    StaticText1 =
        NewEditorText("StaticText1", "VLAN Index", std::max(60, ui::StaticText::WidthFor("4094", ui::sbsSunken)));
    OnCreate = [this](ui::Component* sender) { FormCreate(sender); };
    DoCreate();
}

void TVLanCurrentTableForm::FormCreate(ui::Component*) {
    EgressPorts = AddPortPage("Egress Ports");
    UntaggedPorts = AddPortPage("Untagged Ports");
    Deletions.Open(
        DeletionsTable, SVT_SV, 0, [this](DialogRequest& request) { request.BindStaticText(0, VlanNumDeletes); },
        NoFlagTableOptions());
    CurrentTable.Open(CurrentVlanTable, MVT_UMV, 2, [this](DialogRequest& request) {
        request.BindListView(LV_dot1qVlanCurrentEntry, true);
        request.BindStaticText(VlanIndex, StaticText1);
        BindPorts(request, CurrentEgress, EgressPorts);
        BindPorts(request, CurrentUntagged, UntaggedPorts);
    }, NoFlagTableOptions());
    if (CurrentTable.Opened()) FollowRows(CurrentTable);
    ClearsTexts({StaticText1});
    ShowRowCount();
}

void TVLanCurrentTableForm::RefreshBtnClick(ui::Component*) { RefreshTables(CurrentTable); }

void TVLanCurrentTableForm::btnCloseClick(ui::Component*) { Close(); }
