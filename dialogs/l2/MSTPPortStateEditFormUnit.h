#pragma once
// TMSTPPortStateEditForm: the edit form of one port's row of the MSTP port table. Its controls are bound to the
// table dialog's request (the MSTP port state dialog creates and owns it and binds them with BindEditors), so they
// show the selected row; its Set writes that port's writable columns through the dialog's request (leaving out
// what the dialog's LeftOutColumns names), reads the table again and closes the form. The index and the
// operational values are shown disabled.
#include "DialogEditForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
}  // namespace ui

class TMSTPPortStateEditForm : public TDialogEditForm {
public:
    TMSTPPortStateEditForm(ui::Form& dialog, DialogTable& portTable);
    ~TMSTPPortStateEditForm() override;

    // The MSTP port table's columns.
    enum Column {
        PortIndex, OperHelloTime, AdminHelloTime, PortEnable, ExtPathCost, Migration, AdminEdgePort, OperEdgePort,
        AdminP2P, OperP2P, Lbd, BpduFiltering, RestrictedRole, RestrictedTcn
    };

    ui::Edit* edtPortIndex = nullptr;
    ui::Edit* edtOperHelloTime = nullptr;
    ui::Edit* edtAdminHelloTime = nullptr;
    ui::ComboBox* cbxPortEnable = nullptr;
    ui::Edit* edtExtPathCost = nullptr;
    ui::ComboBox* cbxMigration = nullptr;
    ui::ComboBox* cbxAdminEdgePort = nullptr;
    ui::ComboBox* cbxOperEdgePort = nullptr;
    ui::ComboBox* cbxAdminP2P = nullptr;
    ui::ComboBox* cbxOperP2P = nullptr;
    ui::ComboBox* cbxSTPlbd = nullptr;
    ui::ComboBox* cbxBPDUFlt = nullptr;
    ui::ComboBox* cbxSTPRole = nullptr;
    ui::ComboBox* cbxSTPTCN = nullptr;
    ui::Button* btnEdit = nullptr;  // "Set"
    ui::Button* btnClose = nullptr;

    void btnEditClick(ui::Component* sender);
    void btnCloseClick(ui::Component* sender);
};

extern TMSTPPortStateEditForm* MSTPPortStateEditForm;  // the dialog's edit form while it exists, else null
