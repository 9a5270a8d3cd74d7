#include "MSTPPortStateEditFormUnit.h"

#include "LabelledControl.h"
#include "MSTPPortStateFormUnit.h"
#include "StdCtrls.h"

#include <type_traits>

TMSTPPortStateEditForm* MSTPPortStateEditForm = nullptr;

namespace {

constexpr int RowsPerColumn = 7;
constexpr int RowHeight = 28;
constexpr int ColumnWidth = 250;
constexpr int LabelWidth = 120;
constexpr int ControlWidth = 110;

// The control of the n-th row, with its label: two columns of seven rows.
template <typename T>
T* NewRow(ui::Form& form, int n, const std::string& name, const std::string& label) {
    const int left = 8 + (n / RowsPerColumn) * ColumnWidth;
    const int top = 8 + (n % RowsPerColumn) * RowHeight;
    auto* control = NewLabelledControl<T>(&form, &form, name, label, left, left + LabelWidth, top, ControlWidth);
    if constexpr (std::is_same_v<T, ui::ComboBox>) control->SetStyle(ui::csDropDownList);
    return control;
}

}  // namespace

TMSTPPortStateEditForm::TMSTPPortStateEditForm(TMSTPPortStateForm& dialog)
    : TDialogEditForm(dialog, dialog.PortStateRequest, 2 * ColumnWidth + 16, RowsPerColumn * RowHeight + 60),
      dialog_(dialog) {
    SetName("MSTPPortStateEditForm");
    SetCaption("MSTP Port State Edit ");
    int n = 0;
    edtPortIndex = NewRow<ui::Edit>(*this, n++, "edtPortIndex", "Port Index");
    edtOperHelloTime = NewRow<ui::Edit>(*this, n++, "edtOperHelloTime", "Operate Hello Time");
    edtAdminHelloTime = NewRow<ui::Edit>(*this, n++, "edtAdminHelloTime", "Admin Hello Time");
    cbxPortEnable = NewRow<ui::ComboBox>(*this, n++, "cbxPortEnable", "Port Enable");
    edtExtPathCost = NewRow<ui::Edit>(*this, n++, "edtExtPathCost", "External Path Cost");
    cbxMigration = NewRow<ui::ComboBox>(*this, n++, "cbxMigration", "Migration");
    cbxAdminEdgePort = NewRow<ui::ComboBox>(*this, n++, "cbxAdminEdgePort", "Admin Edge");
    cbxOperEdgePort = NewRow<ui::ComboBox>(*this, n++, "cbxOperEdgePort", "Operate Edge");
    cbxAdminP2P = NewRow<ui::ComboBox>(*this, n++, "cbxAdminP2P", "Admin P2P");
    cbxOperP2P = NewRow<ui::ComboBox>(*this, n++, "cbxOperP2P", "Operate P2P");
    cbxSTPlbd = NewRow<ui::ComboBox>(*this, n++, "cbxSTPlbd", "Loopback Detection");
    cbxBPDUFlt = NewRow<ui::ComboBox>(*this, n++, "cbxBPDUFlt", "BPDU Filtering");
    cbxSTPRole = NewRow<ui::ComboBox>(*this, n++, "cbxSTPRole", "Restricted Role");
    cbxSTPTCN = NewRow<ui::ComboBox>(*this, n++, "cbxSTPTCN", "Restricted TCN");
    const int buttonTop = 8 + RowsPerColumn * RowHeight + 8;
    btnEdit = new ui::Button(this);
    btnEdit->SetName("btnEdit");
    btnEdit->SetParent(this);
    btnEdit->SetCaption("Set");
    btnEdit->SetBounds(ColumnWidth + 8, buttonTop, 75, 25);
    btnEdit->OnClick = [this](ui::Component* sender) { btnEditClick(sender); };
    btnClose = new ui::Button(this);
    btnClose->SetName("btnClose");
    btnClose->SetParent(this);
    btnClose->SetCaption("Close");
    btnClose->SetBounds(ColumnWidth + 8 + 75 + 8, buttonTop, 75, 25);
    btnClose->OnClick = [this](ui::Component* sender) { btnCloseClick(sender); };
    // Only Edit opens it: the key and the operational values stay disabled.
    PreparesEditors({edtPortIndex, edtOperHelloTime}, {}, nullptr);
    KeepsDisabled({cbxOperEdgePort, cbxOperP2P});
}

TMSTPPortStateEditForm::~TMSTPPortStateEditForm() {
    if (MSTPPortStateEditForm == this) MSTPPortStateEditForm = nullptr;
}

void TMSTPPortStateEditForm::Bind(DialogRequest& request) {
    using C = TMSTPPortStateForm::Column;
    request.BindEdit(C::PortIndex, "%u", edtPortIndex);
    request.BindEdit(C::OperHelloTime, "%u", edtOperHelloTime);
    request.BindEdit(C::AdminHelloTime, "%u", edtAdminHelloTime);
    request.BindComboBox(C::PortEnable, cbxPortEnable);
    request.BindEdit(C::ExtPathCost, "%u", edtExtPathCost);
    request.BindComboBox(C::Migration, cbxMigration);
    request.BindComboBox(C::AdminEdgePort, cbxAdminEdgePort);
    request.BindComboBox(C::OperEdgePort, cbxOperEdgePort);
    request.BindComboBox(C::AdminP2P, cbxAdminP2P);
    request.BindComboBox(C::OperP2P, cbxOperP2P);
    request.BindComboBox(C::Lbd, cbxSTPlbd);
    request.BindComboBox(C::BpduFiltering, cbxBPDUFlt);
    request.BindComboBox(C::RestrictedRole, cbxSTPRole);
    request.BindComboBox(C::RestrictedTcn, cbxSTPTCN);
}

void TMSTPPortStateEditForm::btnEditClick(ui::Component*) {
    if (table_.Busy()) return;  // the form stays open
    if (dialog_.LeavesOutAdminHelloTime()) SetThroughTable({TMSTPPortStateForm::AdminHelloTime});
    else SetThroughTable();
    Close();
}

void TMSTPPortStateEditForm::btnCloseClick(ui::Component*) { Close(); }
