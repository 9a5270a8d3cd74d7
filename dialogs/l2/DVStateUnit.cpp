#include "DVStateUnit.h"

#include "CatalogTables.h"
#include "DialogProgress.h"
#include "Dialogs.h"
#include "EditorGrid.h"
#include "StdCtrls.h"

TDVStateForm* DVStateForm = nullptr;

namespace {

const CatalogTable& GlobalStateTable = Oid_doublevlan::E_12_28_1;

constexpr const char* ResetQuestion = "Config Double VLAN need to reset system config, Are you sure?";

}  // namespace

TDVStateForm::TDVStateForm(ui::Component* owner) : TDedicatedForm(owner, 339, 146), StateTable(AddTable()) {
    SetName("DVStateForm");
    BuildButtonPanel("");
    btnGet = NewRoleButton(ButtonRole::Refresh, "btnGet", "Refresh", [this] { btnGetClick(); });
    btnSet = NewRoleButton(ButtonRole::Set, "btnSet", [this] { btnSetClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    cbxState = EditorGrid(this, this, 220, 80).Combo(0, 0, "cbxState", "Global State", 100);
}

void TDVStateForm::FormCreate(ui::Component*) {
    DialogTable::Options options = NoFlagTableOptions();
    options.Errors = DialogTable::ErrorText::Bare;
    StateTable.Open(
        GlobalStateTable, SVT_SV, 0,
        [this](DialogRequest& request) {
            request.BindComboBox(0, cbxState);
            request.OnSetResult = ReportSetEndingProgress;
        },
        options);
}

void TDVStateForm::btnGetClick() { StateTable.ReadAgain(); }

void TDVStateForm::btnSetClick() {
    if (!StateTable.HasRequest()) return;
    if (ui::MessageBox(this, ResetQuestion, "Confirm", ui::mbOKCancel, ui::mtConfirmation) != ui::mrOk) return;
    // The switch's answer reads the state again; the wait runs its time unless the SET is refused.
    if (StateTable.WriteOnly([this] { StateTable.SendRefreshing(); }))
        RunProgressForm2(*this, "Set Double VLAN State", "Change Double VLAN State is doing...");
}
