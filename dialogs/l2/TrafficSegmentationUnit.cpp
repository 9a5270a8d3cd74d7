#include "TrafficSegmentationUnit.h"

#include "CatalogTables.h"
#include "EditorInput.h"
#include "EditorItems.h"
#include "ExtCtrls.h"
#include "StackUnits.h"
#include "StdCtrls.h"

TTrafficSegmentationForm* TrafficSegmentationForm = nullptr;

namespace {

const CatalogTable& SegmentationEntry = Oid_switch::E_11_70_7_2_14_1_1;

enum Column { PortColumn, ForwardPortsColumn };

constexpr const char* NotCompleteText = "Refresh not complete";

}  // namespace

TTrafficSegmentationForm::TTrafficSegmentationForm(ui::Component* owner)
    : TDedicatedForm(owner, 649, 462), SegmentationTable(AddTable()) {
    SetName("TrafficSegmentationForm");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    BT_Get = NewRoleButton(ButtonRole::Refresh, "BT_Get");
    BT_Set = NewRoleButton(ButtonRole::Set, "BT_Set", [this] { BT_SetClick(); });
    StopBtn = NewRoleButton(ButtonRole::Stop, "StopBtn");
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("LV_TrafficForward", 180, true);
    LV_TrafficForward = TableList;
    ST_Port = NewHiddenKeyText(this, EditorPanel, "ST_Port");
    Combo_Unit = NewEditorEdit("Combo_Unit", "Unit : ", 40);
    Combo_Unit->Hide();
    Combo_Port = NewEditorEdit("Combo_Port", "Port : ", 40);
    for (ui::Edit* edit : {Combo_Unit, Combo_Port}) edit->SetReadOnly(true);
}

void TTrafficSegmentationForm::FormCreate(ui::Component*) {
    ForwardPorts = AddPortPage("Ports");
    DialogTable::Options options;
    options.Errors = DialogTable::ErrorText::Bare;
    options.IncompleteText = NotCompleteText;
    options.RefreshRefusedText = NotCompleteText;
    options.GuardRefusesWhileBusy = false;
    options.StopSetsFlag = true;
    OpenRowTable(SegmentationTable, {.Table = &SegmentationEntry,
                                     .Bind =
                                         [this](DialogRequest& request) {
                                             request.BindStaticText(PortColumn, ST_Port);
                                             BindPorts(request, ForwardPortsColumn, ForwardPorts);
                                         },
                                     .Options = options,
                                     .ClearedEdits = {Combo_Unit, Combo_Port}});
}

void TTrafficSegmentationForm::RowSelectionChanged(bool selected) {
    if (!selected) return;  // the frame has cleared the ports and the edits
    const UnitPort port = UnitPortOf(static_cast<int>(TextToIntDef(ST_Port->Caption(), 0)));
    Combo_Unit->SetText(std::to_string(port.Unit));
    Combo_Port->SetText(std::to_string(port.Port));
}

void TTrafficSegmentationForm::BT_SetClick() {
    if (!SegmentationTable.PassGuard()) return;
    SegmentationTable.WriteOnly([this] { SegmentationTable.SendRefreshing({PortColumn}); });
    ClearEditors();
    BT_Set->SetEnabled(false);
}
