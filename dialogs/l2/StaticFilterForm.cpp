#include "StaticFilterForm.h"

#include "ListView.h"
#include "StdCtrls.h"

namespace {

enum Column { FdbId, Address, ReceivePort, PortList, Status };
constexpr int Invalid = 2;

}  // namespace

TStaticFilterForm::TStaticFilterForm(ui::Component* owner, const StaticFilterLayout& layout)
    : TDedicatedForm(owner, layout.DesignWidth, layout.DesignHeight), Table(AddTable()), layout_(layout) {
    SetName(layout.FormName);
    BuildButtonPanel("ST_Count");
    NewRoleButton(ButtonRole::Refresh, "RefreshBtn", [this] { Refresh(); });
    if (layout.SetName) NewRoleButton(ButtonRole::Set, layout.SetName, [this] { Set(); });
    NewRoleButton(ButtonRole::Add, layout.AddName, [this] { Add(); });
    NewRoleButton(ButtonRole::Delete, layout.DeleteName, [this] { Delete(); });
    NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea(layout.ListName, layout.ListHeight, true);
    VlanIdEdit = NewEditorEdit(layout.VlanIdName, "VLAN ID", 50);
    MacEdit = NewEditorEdit(layout.MacName, layout.MacLabel, 110);
    StatusCombo = NewEditorCombo(layout.StatusName, "Status", 110);
}

void TStaticFilterForm::FormCreate(ui::Component*) {
    Ports = AddPortPage(layout_.PortsCaption);
    const std::vector<ui::Edit*> keys = {VlanIdEdit, MacEdit};
    OpenRowTable(Table, {.Table = layout_.Table,
                         .KeyCount = 3,
                         .Bind = [this](DialogRequest& request) {
                             request.BindEdit(FdbId, "%i{n1x4094}", VlanIdEdit);
                             request.BindEdit(Address, "%h", MacEdit);
                             BindPorts(request, PortList, Ports);
                         },
                         .Options = NoFlagTableOptions(),
                         .RowStatusColumn = Status,
                         .RowStatusCombo = StatusCombo,
                         .KeyEdits = layout_.LocksSelectedRow ? keys : std::vector<ui::Edit*>{},
                         .ClearedEdits = keys});
}

void TStaticFilterForm::RowSelectionChanged(bool selected) { LockSelectedRow(selected); }

// Locked keys are the frame's (disabled while a row is selected); this is the rest of the rule.
void TStaticFilterForm::LockSelectedRow(bool locked) {
    if (layout_.LocksSelectedRow) {
        StatusCombo->SetEnabled(!locked);
        return;
    }
    VlanIdEdit->SetReadOnly(locked);
    MacEdit->SetReadOnly(locked);
}

void TStaticFilterForm::ResetEditors() {
    ClearEditors();
    ResetRowButtons();
    LockSelectedRow(false);
}

// A walk empties the list, and with it the selection: the editors of the row that was selected are reset too, so
// that a Delete never takes keys from a row the list no longer shows.
void TStaticFilterForm::Refresh() {
    const bool reading = Table.Reread();
    ShowRowCount();
    if (reading || layout_.RefreshResetsAlways) ResetEditors();
}

bool TStaticFilterForm::KeysTyped(bool warn) {
    if (!VlanIdEdit->Text().empty() && !MacEdit->Text().empty()) return true;
    if (warn) ShowWarning(this, "Please select which entry you want to delete.");
    else ShowMessage(this, "Please input VLAN ID and MAC Address!");
    return false;
}

// Add: the row (VLAN ID, MAC address, receive port 0) with its ports and the status permanent.
void TStaticFilterForm::Add() {
    const bool permanent = StatusCombo->Text() == "permanent";
    if (layout_.StatusCheckedFirst && !permanent) return ShowMessage(this, layout_.NotPermanentText);
    if (!KeysTyped(false) || !IsMacKey(this, MacEdit->Text())) return;
    if (!permanent) return ShowMessage(this, layout_.NotPermanentText);
    if (!Table.PassGuard()) return;
    Table.WriteOnly([this] { Table.SendRefreshing(); }, layout_.AddErrors);
    ResetEditors();  // Add is enabled only without a selected row: the buttons and keys are as reset already
}

// Set: the ports of the selected row (its status is left out).
void TStaticFilterForm::Set() {
    if (!TableList->Selected() || !Table.PassGuard()) return;
    RoleButton(ButtonRole::Set)->SetEnabled(false);
    Table.WriteOnly([this] { Table.SendRefreshing({Status}); });
    ResetEditors();
}

// Delete: the status invalid, for the selected row with its own receive port.
void TStaticFilterForm::Delete() {
    if (layout_.DeletesSelectedRow) {
        Table.SelectStatusValue(Invalid);
        if (!TableList->Selected() || !Table.PassGuard() || !IsMacKey(this, MacEdit->Text())) return;
        Table.WriteOnly([this] { Table.SendRefreshing(); });
        ResetEditors();
        ShowRowCount();
        return;
    }
    if (!KeysTyped(true) || !IsMacKey(this, MacEdit->Text()) || !Table.PassGuard()) return;
    Table.SelectStatusValue(Invalid);
    Table.WriteOnly([this] { Table.SendRefreshing({PortList}); });
    ResetEditors();
}
