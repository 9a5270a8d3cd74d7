#include "IGMPSnoopingStaticGroupUnit.h"

#include "CatalogTables.h"
#include "EditorInput.h"
#include "ListView.h"
#include "StdCtrls.h"

TIGMPSnoopingStaticGroupForm* IGMPSnoopingStaticGroupForm = nullptr;

namespace {

const CatalogTable& StaticGroupEntries = Oid_switch::E_11_70_7_2_11_16_1;

enum Column { VlanId, GroupAddress, MemberPortList, RowStatus };

}  // namespace

TIGMPSnoopingStaticGroupForm::TIGMPSnoopingStaticGroupForm(ui::Component* owner)
    : TDedicatedForm(owner, 667, 432), StaticGroupTable(AddTable()) {
    SetName("IGMPSnoopingStaticGroupForm");
    BuildButtonPanel("StaticText1", "Samples");
    StaticText1 = RowCountText;
    btnGet = NewRoleButton(ButtonRole::Refresh, "btnGet");
    btnSet = NewRoleButton(ButtonRole::Set, "btnSet", [this] { btnSetClick(); });
    btnAdd = NewRoleButton(ButtonRole::Add, "btnAdd", [this] { btnAddClick(); });
    btnDelete = NewRoleButton(ButtonRole::Delete, "btnDelete", [this] { btnDeleteClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("LV_IGMPStaticGroupEntry", 150, true);
    LV_IGMPStaticGroupEntry = TableList;
    VlanIDEdit = NewEditorEdit("VlanIDEdit", "VLAN ID", 50);
    RepalceIPEdit = NewEditorEdit("RepalceIPEdit", "Group Address", 120);
    CBoxStatus = NewEditorCombo("CBoxStatus", "", 100);
    CBoxStatus->Hide();
}

void TIGMPSnoopingStaticGroupForm::FormCreate(ui::Component*) {
    MemberPorts = AddPortPage("Member Ports");
    DialogTable::Options options;
    options.Errors = DialogTable::ErrorText::Bare;
    // The key edits are not locked on a selected row: Set and Delete address the keys the edits hold.
    OpenRowTable(StaticGroupTable, {.Table = &StaticGroupEntries,
                                    .KeyCount = 2,
                                    .Bind =
                                        [this](DialogRequest& request) {
                                            request.BindEdit(VlanId, "%i{n1x4094l4}", VlanIDEdit);
                                            request.BindEdit(GroupAddress, "%s{l16}", RepalceIPEdit);
                                            BindPorts(request, MemberPortList, MemberPorts);
                                        },
                                    .Options = options,
                                    .RowStatusColumn = RowStatus,
                                    .RowStatusCombo = CBoxStatus,
                                    .KeepsRowStatus = true,
                                    .ClearedEdits = {VlanIDEdit, RepalceIPEdit},
                                    .GuardsClose = true});
}

bool TIGMPSnoopingStaticGroupForm::GroupAddressAccepted() {
    if (CheckIpEdit(this, RepalceIPEdit, "Please input a valid IP")) return true;
    RefuseInput(this, "IP Address in not valid.", RepalceIPEdit);
    return false;
}

void TIGMPSnoopingStaticGroupForm::btnAddClick() {
    if (!StaticGroupTable.PassGuard()) return;
    if (VlanIDEdit->Text().empty()) return RefuseInput(this, "Multicast VLAN ID need to input.", VlanIDEdit);
    if (RepalceIPEdit->Text().empty())
        return RefuseInput(this, "Multicast Group IP Address need to input.", RepalceIPEdit);
    if (!GroupAddressAccepted()) return;
    StaticGroupTable.AddRow();
    ClearEditors();
}

void TIGMPSnoopingStaticGroupForm::btnSetClick() {
    if (!LV_IGMPStaticGroupEntry->Selected()) return ClearEditors();
    if (!StaticGroupTable.PassGuard()) return;
    StaticGroupTable.SelectRowStatus(RowStatusValue::Active);
    StaticGroupTable.Write([this] { StaticGroupTable.Send(); });
    ClearEditors();
    ResetRowButtons();
}

void TIGMPSnoopingStaticGroupForm::btnDeleteClick() {
    if (!StaticGroupTable.PassGuard()) return;
    StaticGroupTable.DeleteRow();
    ClearEditors();
    ResetRowButtons();
}
