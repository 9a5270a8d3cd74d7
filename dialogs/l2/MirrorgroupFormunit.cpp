#include "MirrorgroupFormunit.h"

#include "CatalogTables.h"
#include "EditorInput.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

TMirrorGroupForm* MirrorGroupForm = nullptr;

namespace {

const CatalogTable& MirrorGroupTable = Oid_switch::E_11_70_7_2_10_5_1;

enum Column { GroupId, RowStatus, State, TargetPort, Ingress, Egress };

}  // namespace

TMirrorGroupForm::TMirrorGroupForm(ui::Component* owner) : TDedicatedForm(owner, 658, 483), MirrorTable(AddTable()) {
    SetName("MirrorGroupForm");
    BuildButtonPanel("StaticText1", "Samples");
    StaticText1 = RowCountText;
    RefreshBtn = NewRoleButton(ButtonRole::Refresh, "RefreshBtn", [this] { RefreshBtnClick(); });
    btnSet = NewRoleButton(ButtonRole::Set, "btnSet", [this] { btnSetClick(); });
    btnAdd = NewRoleButton(ButtonRole::Add, "btnAdd", [this] { btnAddClick(); });
    btnDelete = NewRoleButton(ButtonRole::Delete, "btnDelete", [this] { btnDeleteClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("ListView1", 170, true);
    ListView1 = TableList;
    ED_GroupID = NewEditorEdit("ED_GroupID", "Group ID", 40);
    TargetEdit = NewEditorEdit("TargetEdit", "Target Port", 50);
    groupStateComboBox = NewEditorCombo("groupStateComboBox", "Group State", 90);
    CBoxStatus = NewEditorCombo("CBoxStatus", "Status", 90);
    CBoxStatus->Hide();
}

void TMirrorGroupForm::FormCreate(ui::Component*) {
    IngressPorts = AddPortPage("Ingress Ports");
    EgressPorts = AddPortPage("Egress Ports");
    DialogTable::Options options;
    options.Errors = DialogTable::ErrorText::Bare;
    OpenRowTable(MirrorTable, {.Table = &MirrorGroupTable,
                               .Bind =
                                   [this](DialogRequest& request) {
                                       request.BindEdit(GroupId, "%i{n1x4l1}", ED_GroupID);
                                       request.BindComboBox(State, groupStateComboBox);
                                       request.BindEdit(TargetPort, "%i{n0x768l3}", TargetEdit);
                                       BindPorts(request, Ingress, IngressPorts);
                                       BindPorts(request, Egress, EgressPorts);
                                   },
                               .Options = options,
                               .RowStatusColumn = RowStatus,
                               .RowStatusCombo = CBoxStatus,
                               .KeyEdits = {ED_GroupID},
                               .ClearedEdits = {ED_GroupID, TargetEdit},
                               .GuardsClose = true});
    LockGroupEditors(true);
}

// The target, the state and the port pages: open only for the selected row.
void TMirrorGroupForm::LockGroupEditors(bool locked) {
    SetEditorEnabled(TargetEdit, !locked);
    SetEditorEnabled(groupStateComboBox, !locked);
    for (TStackingPortUitForm* selector : {IngressPorts, EgressPorts})
        locked ? selector->DisableAllPorts() : selector->EnableAllPorts();
}

void TMirrorGroupForm::RowSelectionChanged(bool selected) { LockGroupEditors(!selected); }

void TMirrorGroupForm::RefreshBtnClick() {
    RefreshTables();
    LockGroupEditors(true);
}

void TMirrorGroupForm::btnAddClick() {
    if (!MirrorTable.PassGuard()) return;
    if (ED_GroupID->Text().empty()) return RefuseInput(this, "Group ID need to input.", ED_GroupID);
    MirrorTable.AddRow({State, TargetPort, Ingress, Egress});
    ClearEditors();
    LockGroupEditors(true);
}

void TMirrorGroupForm::btnDeleteClick() {
    if (!MirrorTable.PassGuard()) return;
    MirrorTable.DeleteRow();
    ShowRowCount();
    ClearEditors();
    ResetRowButtons();
    LockGroupEditors(true);
}

void TMirrorGroupForm::btnSetClick() {
    if (!ListView1->Selected()) return;
    if (!MirrorTable.Complete()) return ShowMessage(this, GetDataNotCompleteText);
    MirrorTable.WriteOnly([this] { MirrorTable.SendRefreshing(); });
    ClearEditors();
    ResetRowButtons();
    LockGroupEditors(true);
}
