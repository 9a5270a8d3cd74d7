#include "PortTrunk.h"

#include "CatalogTables.h"
#include "ComCtrls.h"
#include "Dialogs.h"
#include "EditorInput.h"
#include "EditorItems.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "StackState.h"
#include "StdCtrls.h"

#include <algorithm>

namespace {

const CatalogTable& TrunkEntry = Oid_switch::E_11_70_7_2_9_3_1;

enum Column { IndexColumn, MasterPort, Members, FloodingPort, TrunkType, TrunkState, ActiveMembers };

enum TrunkStateValue { StateEnable = 1, StateDisable = 2, StateCreateAndGo = 4, StateDestroy = 6 };

constexpr int MinMembers = 2;
constexpr int MaxMembers = 8;
constexpr const char* InvalidMasterText = "set valid master port";

std::string ChosenText(const ui::ComboBox* combo) {
    const int index = combo->ItemIndex();
    return index >= 0 ? combo->Items()[index] : std::string();
}

}  // namespace

TPortTrunkForm::TPortTrunkForm(ui::Component* owner) : TDedicatedForm(owner, 655, 516), TrunkTable(AddTable()) {
    SetName("PortTrunkForm");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    BT_Get = NewRoleButton(ButtonRole::Refresh, "BT_Get", [this] { BT_GetClick(); });
    SetBtn = NewRoleButton(ButtonRole::Set, "SetBtn", [this] { SetBtnClick(); });
    BT_Set = NewRoleButton(ButtonRole::Add, "BT_Set", [this] { BT_SetClick(); });
    BT_Delete = NewRoleButton(ButtonRole::Delete, "BT_Delete", [this] { BT_DeleteClick(); });
    BT_Close = NewRoleButton(ButtonRole::Close, "BT_Close");
    BuildEditors();
}

void TPortTrunkForm::BuildEditors() {
    BuildTableArea("LV_PortTrunk", 170, true, 92);
    LV_PortTrunk = TableList;
    LV_PortTrunk->SetGridLines(true);
    ED_Index = NewEditorEdit("ED_Index", "Index(1-32)", 40);
    Combo_Type = NewEditorCombo("Combo_Type", "Trunk Type", 80);
    ComboBox1 = NewEditorCombo("ComboBox1", "Status", 80);
    ComboBox1->SetStyle(ui::csDropDownList);
    for (const char* state : {"enable", "disable"}) ComboBox1->Items().Add(state);
    ED_MasterPort = NewEditorEdit("ED_MasterPort", "", 40);
    ED_MasterPort->Hide();
    Combo_State = NewEditorCombo("Combo_State", "", 80);
    Combo_State->Hide();
    ui::GroupBox* master = NewGroupBox(this, EditorPanel, "GroupBox1", "Master Port", 8, 34, 200, 50);
    EditorRow unitPort(this, master, 8, 20);
    UnitEdit = unitPort.Edit("UnitEdit", "Unit : ", 40);
    PortEdit = unitPort.Edit("PortEdit", "Port : ", 40);
    UnitEdit->SetText("1");
    ST_FloodingPort = EditorRow(this, EditorPanel, 220, 54).Text("ST_FloodingPort", "Flooding Port", 50);
    for (ui::Edit* edit : {UnitEdit, PortEdit})
        edit->OnKeyPress = [this](ui::Component*, char& key) { UnitEditKeyPress(key); };
}

void TPortTrunkForm::FormCreate(ui::Component*) {
    // Before the pages, so that they follow the unit table read when the stack counts no unit.
    UnitInformationTrunkList = PresentStackUnits(AbsentUnit::PresenceNoExist);
    MemberPorts = AddPortPage("Member Ports");
    ActivePorts = AddPortPage("Active Ports");
    PageControl1->SetActivePage(PageControl1->Pages(0));
    DialogTable::Options options = SynchronousTableOptions();
    options.Timeout = TrunkTimeout;
    OpenRowTable(TrunkTable, {.Table = &TrunkEntry,
                              .Bind =
                                  [this](DialogRequest& request) {
                                      request.BindEdit(IndexColumn, "%i{n1x32}", ED_Index);
                                      request.BindEdit(MasterPort, "%i", ED_MasterPort);
                                      BindPorts(request, Members, MemberPorts);
                                      request.BindStaticText(FloodingPort, ST_FloodingPort);
                                      request.BindComboBox(TrunkType, Combo_Type);
                                      BindPorts(request, ActiveMembers, ActivePorts);
                                  },
                              .Options = options,
                              .RowStatusColumn = TrunkState,
                              .RowStatusCombo = Combo_State,
                              .KeepsRowStatus = true,
                              .KeyEdits = {ED_Index},
                              .ClearedEdits = {ED_Index, UnitEdit, PortEdit},
                              .ClearedTexts = {ST_FloodingPort}});
    BT_GetClick();
}

void TPortTrunkForm::UnitEditKeyPress(char& key) {
    if ((key >= '0' && key <= '9') || key == '\b') return;
    key = 0;
    ui::Beep();
}

void TPortTrunkForm::RowSelectionChanged(bool selected) {
    if (!selected) return;
    const UnitPort master = UnitPortOf(static_cast<int>(TextToIntDef(ED_MasterPort->Text(), 0)));
    UnitEdit->SetText(std::to_string(master.Unit));
    PortEdit->SetText(std::to_string(master.Port));
    const std::string state = ChosenText(Combo_State);
    if (state == "enable" || state == "disable") ComboBox1->SetItemIndex(ComboBox1->Items().IndexOf(state));
}

void TPortTrunkForm::BT_GetClick() {
    TrunkTable.ReadAgain();
    ShowRowCount();
    ClearEditors();
    ResetRowButtons();
}

void TPortTrunkForm::AfterFailedWrite() {
    ClearEditors();
    ResetRowButtons();
}

bool TPortTrunkForm::CheckMasterUnitPort(long long unit, long long port) {
    const auto refuse = [this](ui::Edit* focus) {
        RefuseInput(this, InvalidMasterText, focus);
        return false;
    };
    if (port <= 0) return refuse(PortEdit);
    const StackUnit* found = FindStackUnit(UnitInformationTrunkList, static_cast<int>(std::clamp(unit, -1LL, 99LL)));
    if (!found) return refuse(UnitEdit);
    if (port > found->PortCount) return refuse(PortEdit);
    return true;
}

// 2 to 8 ticked members: all units' boxes when stacked, else the unit's own.
bool TPortTrunkForm::CheckTrunkMembers(long long unit) {
    std::vector<ui::CheckBox*>& boxes = MemberPorts->PortCheckBoxes;
    size_t first = 0;
    size_t end = boxes.size();
    if (!StackingEnabled()) {
        first = std::min(static_cast<size_t>(std::max(unit - 1, 0LL)) * PortsPerUnit, boxes.size());
        end = std::min(first + PortsPerUnit, boxes.size());
    }
    int members = 0;
    for (size_t k = first; k < end; ++k) {
        if (!boxes[k]->Checked()) continue;
        if (++members > MaxMembers) {
            boxes[k]->SetChecked(false);
            ShowMessage(this, "The trunk member can't over eight!");
            return false;
        }
    }
    if (members < MinMembers) {
        ShowMessage(this, "You must choose at least two members!");
        return false;
    }
    return true;
}

bool TPortTrunkForm::MasterPortIsMember(int masterPort) {
    const size_t box = static_cast<size_t>(masterPort - 1);
    if (masterPort >= 1 && box < MemberPorts->PortCheckBoxes.size() && MemberPorts->PortCheckBoxes[box]->Checked())
        return true;
    RefuseInput(this, "Master port must be checked.", PortEdit);
    return false;
}

bool TPortTrunkForm::MasterPortListed(int masterPort) const {
    for (int row = 0; row < LV_PortTrunk->Items().Count(); ++row)
        if (TextToIntDef(LV_PortTrunk->Items()[row]->ColumnText(MasterPort), -1) == masterPort) return true;
    return false;
}

// The trunk's SET (and, after a create, the state enable in a second one); false after a caught exception.
bool TPortTrunkForm::WriteTrunk(bool enableAfterCreate) {
    return TrunkTable.WriteOnly([&] {
        TrunkTable.Send();
        if (!enableAfterCreate) return;
        TrunkTable.SelectStatusValue(StateEnable);
        TrunkTable.Send();
    });
}

void TPortTrunkForm::BT_SetClick() {
    if (ED_Index->Text().empty()) return RefuseInput(this, "The index should not be empty.", ED_Index);
    if (ListHasKey(*LV_PortTrunk, ED_Index->Text())) return RefuseInput(this, "The Index must be different!", ED_Index);
    if (UnitEdit->Text().empty()) return RefuseInput(this, "The Unit should not be empty.", UnitEdit);
    if (PortEdit->Text().empty()) return RefuseInput(this, "The Port should not be empty.", PortEdit);
    const long long unit = TextToIntDef(UnitEdit->Text(), -1);
    const long long port = TextToIntDef(PortEdit->Text(), -1);
    if (!CheckMasterUnitPort(unit, port)) return;
    if (Combo_Type->ItemIndex() < 0) return RefuseInput(this, "Please choose trunk type.", Combo_Type);
    const int master = GlobalPortOf(static_cast<int>(unit), static_cast<int>(port));
    if (MasterPortListed(master)) return RefuseInput(this, "The master port must be different!", UnitEdit);
    if (!MasterPortIsMember(master)) return;
    ED_MasterPort->SetText(std::to_string(master));
    TrunkTable.SelectStatusValue(StateCreateAndGo);
    if (!CheckTrunkMembers(unit)) return;
    if (!WriteTrunk(ChosenText(ComboBox1) == "enable")) return AfterFailedWrite();
    BT_GetClick();
}

void TPortTrunkForm::SetBtnClick() {
    if (ED_Index->Text().empty()) return ShowMessage(this, "Please select trunk group.");
    if (UnitEdit->Text().empty()) return RefuseInput(this, "The Unit Edit should not be empty", UnitEdit);
    if (PortEdit->Text().empty()) return RefuseInput(this, "The Port Edit should not be empty", PortEdit);
    // "Status" decides the state written; without a choice the row's own stays.
    const std::string status = ChosenText(ComboBox1);
    if (!status.empty()) TrunkTable.SelectStatusValue(status == "enable" ? StateEnable : StateDisable);
    const long long unit = TextToIntDef(UnitEdit->Text(), -1);
    const long long port = TextToIntDef(PortEdit->Text(), -1);
    if (!CheckMasterUnitPort(unit, port)) return;
    const int master = GlobalPortOf(static_cast<int>(unit), static_cast<int>(port));
    ED_MasterPort->SetText(std::to_string(master));
    if (!MasterPortIsMember(master)) return;
    if (!CheckTrunkMembers(unit)) return;
    if (!WriteTrunk(false)) return AfterFailedWrite();
    BT_GetClick();
}

void TPortTrunkForm::BT_DeleteClick() {
    if (ED_Index->Text().empty()) return RefuseInput(this, "Please select trunk group.", ED_Index);
    TrunkTable.DeleteRow();
    BT_GetClick();
}
