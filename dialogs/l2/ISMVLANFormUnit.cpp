#include "ISMVLANFormUnit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <algorithm>

TISMVLANForm* ISMVLANForm = nullptr;

namespace {

const CatalogTable& MulticastVlanEntries = Oid_switch::E_11_70_7_2_11_7_1;

// The catalogue lists Remove All Added Lists (.9) before Row Status (.8).
enum Column {
    VlanId,
    VlanName,
    SourcePortList,
    MemberPortList,
    TagMemberPortList,
    VlanState,
    ReplaceSourceIp,
    RemoveAllAddedLists,
    RowStatus,
    UntagSourcePortList,
    RemapPriority,
    ReplacePriority
};

bool AnyPortTicked(const TStackingPortUitForm* selector) {
    return std::any_of(selector->PortCheckBoxes.begin(), selector->PortCheckBoxes.end(),
                       [](const ui::CheckBox* box) { return box->Checked(); });
}

}  // namespace

TISMVLANForm::TISMVLANForm(ui::Component* owner) : TDedicatedForm(owner, 680, 566), MulticastVlanTable(AddTable()) {
    SetName("ISMVLANForm");
    BuildButtonPanel("ST_Count2");
    ST_Count2 = RowCountText;
    RefreshBtn = NewRoleButton(ButtonRole::Refresh, "RefreshBtn", "Refresh", [this] { RefreshBtnClick(); });
    SetBtn = NewRoleButton(ButtonRole::Set, "SetBtn", [this] { SetBtnClick(); });
    AddBtn = NewRoleButton(ButtonRole::Add, "AddBtn", [this] { AddBtnClick(); });
    DeleteBtn = NewRoleButton(ButtonRole::Delete, "DeleteBtn", [this] { DeleteBtnClick(); });
    btnStop = NewRoleButton(ButtonRole::Stop, "btnStop");
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("lvISMVLAN", 150, true, EditorGrid::RowHeight * 4 + 12);
    lvISMVLAN = TableList;
    EditorGrid editors(this, EditorPanel, 270, 140);
    ED_VLANID = editors.Edit(0, 0, "ED_VLANID", "VLAN ID (2-4094)", 60);
    ED_VLANName = editors.Edit(1, 0, "ED_VLANName", "VLAN Name", 110);
    cbxVLANState = editors.Combo(0, 1, "cbxVLANState", "VLAN State", 100);
    edtSourceIP = editors.Edit(1, 1, "edtSourceIP", "Replace Source IP", 110);
    cbxRangeState = editors.Combo(0, 2, "cbxRangeState", "Remove All Added Lists", 100);
    RemapPriorityEdit = editors.Edit(1, 2, "RemapPriorityEdit", "Remap Priority", 40);
    CBoxRaplacePriority = editors.Combo(0, 3, "CBoxRaplacePriority", "Replace Priority", 70);
    cbxStatus = editors.Combo(1, 3, "cbxStatus", "Status", 100);
    cbxStatus->Hide();
    edtRangeName = editors.Edit(1, 3, "edtRangeName", "Range Name", 70);
    edtRangeName->Hide();
}

void TISMVLANForm::FormCreate(ui::Component*) {
    SourcePorts = AddPortPage("Source Ports");
    MemberPorts = AddPortPage("Member Ports");
    TaggedMemberPorts = AddPortPage("Tagged Member Ports");
    UntaggedSourcePorts = AddPortPage("Untagged Source Ports");
    OpenRowTable(MulticastVlanTable, {.Table = &MulticastVlanEntries,
                                      .Bind =
                                          [this](DialogRequest& request) {
                                              request.BindEdit(VlanId, "%i{n2x4094l4}", ED_VLANID);
                                              request.BindEdit(VlanName, "%s", ED_VLANName);
                                              BindPorts(request, SourcePortList, SourcePorts);
                                              BindPorts(request, MemberPortList, MemberPorts);
                                              BindPorts(request, TagMemberPortList, TaggedMemberPorts);
                                              request.BindComboBox(VlanState, cbxVLANState);
                                              request.BindEdit(ReplaceSourceIp, "%s{I}", edtSourceIP);
                                              request.BindComboBox(RemoveAllAddedLists, cbxRangeState);
                                              BindPorts(request, UntagSourcePortList, UntaggedSourcePorts);
                                              request.BindEdit(RemapPriority, "%i{n0x8l1}", RemapPriorityEdit);
                                              request.BindComboBox(ReplacePriority, CBoxRaplacePriority);
                                          },
                                      .RowStatusColumn = RowStatus,
                                      .RowStatusCombo = cbxStatus,
                                      .KeepsRowStatus = true,
                                      .ClearedEdits = {ED_VLANID, ED_VLANName, edtSourceIP},
                                      .GuardsClose = true});
    MulticastVlanTable.SelectRowStatus(RowStatusValue::CreateAndGo);
    CBoxRaplacePriority->SetItemIndex(1);  // "false"
    LockRowOnlyEditors();
}

void TISMVLANForm::LockRowOnlyEditors() {
    for (ui::ComboBox* combo : {cbxRangeState, cbxVLANState}) {
        combo->SetItemIndex(-1);
        combo->SetEnabled(false);
    }
    edtSourceIP->SetText("");
    edtSourceIP->SetEnabled(false);
}

void TISMVLANForm::RowSelectionChanged(bool selected) {
    if (!selected) LockRowOnlyEditors();
}

std::vector<int> TISMVLANForm::EmptyOptionalColumns() const {
    std::vector<int> empty;
    if (EditorEmpty(cbxVLANState)) empty.push_back(VlanState);
    if (EditorEmpty(edtSourceIP)) empty.push_back(ReplaceSourceIp);
    if (EditorEmpty(cbxRangeState)) empty.push_back(RemoveAllAddedLists);
    return empty;
}

void TISMVLANForm::RefreshBtnClick() {
    RefreshTables();
    LockRowOnlyEditors();
}

void TISMVLANForm::AddBtnClick() {
    if (!MulticastVlanTable.PassGuard()) return;
    MulticastVlanTable.SelectRowStatus(RowStatusValue::CreateAndGo);
    // The table is read again after a refused check as well.
    MulticastVlanTable.Write([this] {
        if (ED_VLANID->Text().empty()) return ShowMessage(this, "Please specify VLAN ID");
        if (ED_VLANName->Text().empty()) return ShowMessage(this, "Please specify VLAN Name");
        // A new VLAN gets its source and member ports afterwards, with Set.
        std::vector<int> leftOut = EmptyOptionalColumns();
        leftOut.insert(leftOut.end(), {SourcePortList, MemberPortList});
        MulticastVlanTable.Send(leftOut);
    });
    ClearEditors();
    LockRowOnlyEditors();
}

void TISMVLANForm::SetBtnClick() {
    if (!MulticastVlanTable.PassGuard()) return;
    std::vector<int> leftOut = EmptyOptionalColumns();
    const std::pair<int, const TStackingPortUitForm*> portLists[] = {{SourcePortList, SourcePorts},
                                                                     {MemberPortList, MemberPorts},
                                                                     {UntagSourcePortList, UntaggedSourcePorts},
                                                                     {TagMemberPortList, TaggedMemberPorts}};
    for (const auto& [column, selector] : portLists)
        if (!AnyPortTicked(selector)) leftOut.push_back(column);
    MulticastVlanTable.Write([&] { MulticastVlanTable.Send(leftOut); });
    ClearEditors();
    ResetRowButtons();
    LockRowOnlyEditors();
}

void TISMVLANForm::DeleteBtnClick() {
    if (!MulticastVlanTable.PassGuard()) return;
    MulticastVlanTable.DeleteRow();
    MulticastVlanTable.SelectRowStatus(RowStatusValue::CreateAndGo);
    ShowRowCount();
    ClearEditors();
    ResetRowButtons();
    LockRowOnlyEditors();
}
