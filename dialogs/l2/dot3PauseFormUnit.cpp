#include "dot3PauseFormUnit.h"

#include "CatalogTables.h"
#include "ListView.h"
#include "StdCtrls.h"

Tdot3PauseForm* dot3PauseForm = nullptr;

namespace {

enum Column { IndexColumn, AdminMode, OperationMode };

}  // namespace

Tdot3PauseForm::Tdot3PauseForm(ui::Component* owner)
    : TDot3CounterForm(owner, {.Name = "dot3PauseForm",
                               .Width = 450,
                               .Height = 439,
                               .Table = &Oid_switch::Mib2_10_7_B,
                               .Counters = &Oid_switch::Mib2_10_7_10_1,
                               .CounterNames = {"In Pause Frame", "Out Pause Frame"},
                               .NameWidth = 130,
                               .CountersCloseFirst = true}) {
    btnSet = NewRoleButton(ButtonRole::Set, "btnSet", [this] { btnSetClick(); });
    btnStop = NewRoleButton(ButtonRole::Stop, "btnStop");
    BuildCounterArea();
    cbxAdminMode = NewEditorCombo("cbxAdminMode", "Admin Mode", 140);
    edtIndex = NewEditorEdit("edtIndex", "", 30);
    edtIndex->Hide();
}

void Tdot3PauseForm::BindEditors(DialogRequest& request) {
    request.BindEdit(IndexColumn, "%i", edtIndex);
    request.BindComboBox(AdminMode, cbxAdminMode);
}

void Tdot3PauseForm::ResetEditors() {
    cbxAdminMode->SetItemIndex(-1);
    btnSet->SetEnabled(false);
}

void Tdot3PauseForm::EnableEditors() {
    if (!cbxAdminMode->Enabled()) cbxAdminMode->SetEnabled(true);
}

void Tdot3PauseForm::RowSelectionChanged(bool selected) {
    TDot3CounterForm::RowSelectionChanged(selected);
    if (selected && TableRequest().Complete()) btnSet->SetEnabled(true);
}

void Tdot3PauseForm::btnSetClick() {
    if (!ListView1->Selected() || !TableRequest().PassGuard()) return;
    // The admin mode alone: the operation mode is read-only and the index is the instance.
    TableRequest().Write([this] { TableRequest().Send({OperationMode}); });
    ResetCounterView();
}
