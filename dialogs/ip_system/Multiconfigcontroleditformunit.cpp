#include "Multiconfigcontroleditformunit.h"

#include "DialogProgress.h"
#include "EditorGrid.h"
#include "StdCtrls.h"

TMultiConfigControlEditForm* MultiConfigControlEditForm = nullptr;

namespace {

constexpr int Rows = 2;
// Seconds the switch takes to make another configuration the active one.
constexpr int ActivationTicks = 15;

}  // namespace

TMultiConfigControlEditForm::TMultiConfigControlEditForm(ui::Form& dialog, DialogTable& table)
    : TDialogEditForm(dialog, table, 320, Rows * EditorGrid::RowHeight + 85) {
    SetName("MultiConfigControlEditForm");
    SetCaption("Multiple Config Control Edit");
    EditorGrid grid(this, this, 310, 130);
    cbxCtrlID = grid.Combo(0, 0, "cbxCtrlID", "Config Control ID");
    cbxCfgAction = grid.Combo(0, 1, "cbxCfgAction", "Config Action");
    const int buttonTop = grid.Bottom(Rows) + 8;
    btnSet = new ui::Button(this);
    btnSet->SetName("btnSet");
    btnSet->SetParent(this);
    btnSet->SetCaption("Set");
    btnSet->SetBounds(130, buttonTop, 80, 25);
    btnSet->OnClick = [this](ui::Component*) { btnSetClick(); };
    btnClose = new ui::Button(this);
    btnClose->SetName("btnClose");
    btnClose->SetParent(this);
    btnClose->SetCaption("Close");
    btnClose->SetBounds(220, buttonTop, 80, 25);
    btnClose->OnClick = [this](ui::Component*) { Close(); };
    BindsColumns({{ControlId, cbxCtrlID}, {Action, cbxCfgAction}});
    KeepsDisabled({cbxCtrlID});
}

TMultiConfigControlEditForm::~TMultiConfigControlEditForm() {
    if (MultiConfigControlEditForm == this) MultiConfigControlEditForm = nullptr;
}

void TMultiConfigControlEditForm::btnSetClick() {
    // The binding reads the table again once the SET has answered without error.
    const bool sent = table_.WriteOnly([this] { table_.SendRefreshing(); });
    const int action = cbxCfgAction->ItemIndex();
    if (sent && action >= 0 && cbxCfgAction->Items()[action] == "active")
        RunProgressForm2(*this, "Set Configuration", "Active Configuration is doing...", ActivationTicks);
    Close();
}
