#include "MSTPPortStateEditFormUnit.h"

#include "EditorGrid.h"
#include "StdCtrls.h"

TMSTPPortStateEditForm* MSTPPortStateEditForm = nullptr;

namespace {

constexpr int RowsPerColumn = 7;
constexpr int ColumnWidth = 270;
constexpr int LabelWidth = 120;

}  // namespace

TMSTPPortStateEditForm::TMSTPPortStateEditForm(ui::Form& dialog, DialogTable& portTable)
    : TDialogEditForm(dialog, portTable, 2 * ColumnWidth + 16, RowsPerColumn * EditorGrid::RowHeight + 70) {
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
    BindsColumns({{PortIndex, edtPortIndex, "%u"},
                  {OperHelloTime, edtOperHelloTime, "%u"},
                  {AdminHelloTime, edtAdminHelloTime, "%u"},
                  {PortEnable, cbxPortEnable},
                  {ExtPathCost, edtExtPathCost, "%u"},
                  {Migration, cbxMigration},
                  {AdminEdgePort, cbxAdminEdgePort},
                  {OperEdgePort, cbxOperEdgePort},
                  {AdminP2P, cbxAdminP2P},
                  {OperP2P, cbxOperP2P},
                  {Lbd, cbxSTPlbd},
                  {BpduFiltering, cbxBPDUFlt},
                  {RestrictedRole, cbxSTPRole},
                  {RestrictedTcn, cbxSTPTCN}});
    // Only Edit opens it: the key and the operational values stay disabled.
    PreparesEditors({edtPortIndex, edtOperHelloTime}, {}, nullptr);
    KeepsDisabled({cbxOperEdgePort, cbxOperP2P});
}

TMSTPPortStateEditForm::~TMSTPPortStateEditForm() {
    if (MSTPPortStateEditForm == this) MSTPPortStateEditForm = nullptr;
}

void TMSTPPortStateEditForm::btnEditClick(ui::Component*) {
    if (table_.Busy()) return;  // the form stays open
    SetThroughTable();
}

void TMSTPPortStateEditForm::btnCloseClick(ui::Component*) { Close(); }
