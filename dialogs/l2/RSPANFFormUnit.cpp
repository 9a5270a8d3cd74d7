#include "RSPANFFormUnit.h"

#include "CatalogTables.h"
#include "EditorInput.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

TRSPANForm* RSPANForm = nullptr;

namespace {

const CatalogTable& RspanEntry = Oid_switch::E_12_68_3_1_1;

enum Column { VlanId, SourceIngress, SourceEgress, Redirect, RowStatus, MirrorGroup };

// A row's mirror group as listed (sub-item k shows column k + 1).
std::string GroupOf(const ui::ListItem& row) { return row.ColumnText(MirrorGroup); }

bool InGroup(const std::string& group) { return group != "0"; }

void EnablePorts(TStackingPortUitForm* selector, bool enabled) {
    enabled ? selector->EnableAllPorts() : selector->DisableAllPorts();
}

}  // namespace

TRSPANForm::TRSPANForm(ui::Component* owner) : TDedicatedForm(owner, 646, 483), RspanTable(AddTable()) {
    SetName("RSPANForm");
    BuildButtonPanel("StaticText1", "Samples");
    StaticText1 = RowCountText;
    RefreshBtn = NewRoleButton(ButtonRole::Refresh, "RefreshBtn", [this] { RefreshBtnClick(); });
    btnSet = NewRoleButton(ButtonRole::Set, "btnSet", [this] { btnSetClick(); });
    btnAdd = NewRoleButton(ButtonRole::Add, "btnAdd", [this] { btnAddClick(); });
    btnDelete = NewRoleButton(ButtonRole::Delete, "btnDelete", [this] { btnDeleteClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("ListView1", 170, true);
    ListView1 = TableList;
    ED_VLANID = NewEditorEdit("ED_VLANID", "VLAN ID", 50);
    MirrorIDEdit = NewEditorEdit("MirrorIDEdit", "Mirror Group ID", 40);
    CBoxStatus = NewEditorCombo("CBoxStatus", "Status", 90);
    CBoxStatus->Hide();
}

void TRSPANForm::FormCreate(ui::Component*) {
    IngressPorts = AddPortPage("Ingress Ports");
    EgressPorts = AddPortPage("Egress Ports");
    RedirectPorts = AddPortPage("Redirect Port");
    DialogTable::Options options;
    options.Errors = DialogTable::ErrorText::Bare;
    OpenRowTable(RspanTable, {.Table = &RspanEntry,
                              .Bind =
                                  [this](DialogRequest& request) {
                                      request.BindEdit(VlanId, "%i{n1x4094l4}", ED_VLANID);
                                      BindPorts(request, SourceIngress, IngressPorts);
                                      BindPorts(request, SourceEgress, EgressPorts);
                                      BindPorts(request, Redirect, RedirectPorts);
                                      request.BindEdit(MirrorGroup, "%i", MirrorIDEdit);
                                  },
                              .Options = options,
                              .RowStatusColumn = RowStatus,
                              .RowStatusCombo = CBoxStatus,
                              .KeyEdits = {ED_VLANID},
                              .ClearedEdits = {ED_VLANID, MirrorIDEdit},
                              .GuardsClose = true});
    LockAll();
}

void TRSPANForm::LockAll() {
    SetEditorEnabled(MirrorIDEdit, false);
    for (TStackingPortUitForm* selector : {IngressPorts, EgressPorts, RedirectPorts}) EnablePorts(selector, false);
}

bool TRSPANForm::SomeRowHasGroup() const {
    for (int row = 0; row < ListView1->Items().Count(); ++row)
        if (InGroup(GroupOf(*ListView1->Items()[row]))) return true;
    return false;
}

bool TRSPANForm::SelectedRowHasGroup() const {
    const ui::ListItem* row = ListView1->Selected();
    return row && InGroup(GroupOf(*row));
}

// The group rule, after the binding has enabled every bound control.
void TRSPANForm::RowSelectionChanged(bool selected) {
    if (!selected) return LockAll();
    EnablePorts(RedirectPorts, true);
    const bool sourcesOpen = SomeRowHasGroup() && SelectedRowHasGroup();
    EnablePorts(IngressPorts, sourcesOpen);
    EnablePorts(EgressPorts, sourcesOpen);
    SetEditorEnabled(MirrorIDEdit, sourcesOpen || !SomeRowHasGroup());
}

void TRSPANForm::RefreshBtnClick() {
    RefreshTables();
    LockAll();
}

void TRSPANForm::btnAddClick() {
    if (!RspanTable.PassGuard()) return;
    if (ED_VLANID->Text().empty()) return RefuseInput(this, "VLAN ID need to input.", ED_VLANID);
    RspanTable.AddRow({SourceIngress, SourceEgress, Redirect, MirrorGroup});
    ClearEditors();
    LockAll();
}

void TRSPANForm::btnDeleteClick() {
    if (!RspanTable.PassGuard()) return;
    RspanTable.DeleteRow();
    ShowRowCount();
    ClearEditors();
    ResetRowButtons();
    LockAll();
}

void TRSPANForm::btnSetClick() {
    if (!ListView1->Selected()) return;
    if (!RspanTable.Complete()) return ShowMessage(this, GetDataNotCompleteText);
    std::vector<int> leftOut = {RowStatus};
    const std::string group = MirrorIDEdit->Text();
    if (group.empty() || group == "0") {
        leftOut.push_back(MirrorGroup);
    } else if (const long long number = TextToIntDef(group, 0); number < 1 || number > 4) {
        return RefuseInput(this, "Please input a number between 1-4.", MirrorIDEdit);
    }
    if (SomeRowHasGroup() && !SelectedRowHasGroup()) {
        leftOut.push_back(SourceIngress);
        leftOut.push_back(SourceEgress);
    }
    RspanTable.WriteOnly([&] { RspanTable.SendRefreshing(leftOut); });
    ClearEditors();
    ResetRowButtons();
    LockAll();
}
