#include "MSTPPortStateEditFormUnit.h"

#include "EditorGrid.h"
#include "MSTPPortStateFormUnit.h"
#include "StdCtrls.h"

TMSTPPortStateEditForm* MSTPPortStateEditForm = nullptr;

namespace {

constexpr int RowsPerColumn = 7;
constexpr int ColumnWidth = 270;
constexpr int LabelWidth = 120;

}  // namespace

TMSTPPortStateEditForm::TMSTPPortStateEditForm(TMSTPPortStateForm& dialog)
    : TDialogEditForm(dialog, dialog.PortStateRequest, 2 * ColumnWidth + 16,
                      RowsPerColumn * EditorGrid::RowHeight + 70),
      dialog_(dialog) {
    SetName("MSTPPortStateEditForm");
    SetCaption("MSTP Port State Edit ");
    // The table's columns top to bottom, seven to a column of the form.
    EditorGrid rows(this, this, ColumnWidth, LabelWidth);
    int n = 0;
    const auto edit = [&](const char* name, const char* label) {
        const int cell = n++;
        return rows.Edit(cell / RowsPerColumn, cell % RowsPerColumn, name, label);
    };
    const auto combo = [&](const char* name, const char* label) {
        const int cell = n++;
        return rows.Combo(cell / RowsPerColumn, cell % RowsPerColumn, name, label);
    };
    edtPortIndex = edit("edtPortIndex", "Port Index");
    edtOperHelloTime = edit("edtOperHelloTime", "Operate Hello Time");
    edtAdminHelloTime = edit("edtAdminHelloTime", "Admin Hello Time");
    cbxPortEnable = combo("cbxPortEnable", "Port Enable");
    edtExtPathCost = edit("edtExtPathCost", "External Path Cost");
    cbxMigration = combo("cbxMigration", "Migration");
    cbxAdminEdgePort = combo("cbxAdminEdgePort", "Admin Edge");
    cbxOperEdgePort = combo("cbxOperEdgePort", "Operate Edge");
    cbxAdminP2P = combo("cbxAdminP2P", "Admin P2P");
    cbxOperP2P = combo("cbxOperP2P", "Operate P2P");
    cbxSTPlbd = combo("cbxSTPlbd", "Loopback Detection");
    cbxBPDUFlt = combo("cbxBPDUFlt", "BPDU Filtering");
    cbxSTPRole = combo("cbxSTPRole", "Restricted Role");
    cbxSTPTCN = combo("cbxSTPTCN", "Restricted TCN");
    const int buttonTop = rows.Bottom(RowsPerColumn) + 8;
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
}

void TMSTPPortStateEditForm::btnCloseClick(ui::Component*) { Close(); }
