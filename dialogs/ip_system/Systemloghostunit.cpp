#include "Systemloghostunit.h"

#include "CatalogTables.h"
#include "ListView.h"
#include "Loghosteditunit.h"
#include "StdCtrls.h"

TSystemLogHostForm* SystemLogHostForm = nullptr;

namespace {

const CatalogTable& ServerEntry = Oid_switch::E_12_12_2_1;

}  // namespace

TSystemLogHostForm::TSystemLogHostForm(ui::Component* owner)
    : TDedicatedForm(owner, 650, 300), ServerTable(AddTable()) {
    SetName("SystemLogHostForm");
    SetCaption("System Log Host");
    SetPosition(ui::poScreenCenter);
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    GetButton = NewRoleButton(ButtonRole::Refresh, "GetButton", [this] { GetButtonClick(); });
    EditButton = NewRoleButton(ButtonRole::Set, "EditButton", "Edit", [this] { EditButtonClick(); });
    // Adding does not follow the row selection.
    AddButton = NewPanelButton("AddButton", "Add", [this] { AddButtonClick(); });
    DeleteButton = NewRoleButton(ButtonRole::Delete, "DeleteButton", [this] { DeleteButtonClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    ListView1 = TableList = new ui::ListView(this);
    ListView1->SetName("ListView1");
    ListView1->SetParent(this);
    ListView1->SetAlign(ui::alClient);
    ListView1->OnDblClick = [this](ui::Component*) { EditButtonClick(); };
}

void TSystemLogHostForm::FormCreate(ui::Component*) {
    EditForm = LogHostEditForm = new TLogHostEditForm(*this, ServerTable, *ListView1);
    DialogTable::Options options = NoFlagTableOptions();
    options.Errors = DialogTable::ErrorText::Bare;
    OpenRowTable(ServerTable, {.Table = &ServerEntry,
                               .Bind = [this](DialogRequest& request) { EditForm->BindEditors(request); },
                               .Options = options,
                               .RowStatusColumn = TLogHostEditForm::RowStatus,
                               .RowStatusCombo = EditForm->RowComboBox,
                               .KeepsRowStatus = true});
}

void TSystemLogHostForm::GetButtonClick() {
    ServerTable.Reread();
    EditButton->SetEnabled(false);
    DeleteButton->SetEnabled(false);
}

void TSystemLogHostForm::AddButtonClick() {
    EditForm->ShowFor(TDialogEditForm::Mode::Add);
    EditButton->SetEnabled(false);
    DeleteButton->SetEnabled(false);
}

void TSystemLogHostForm::EditButtonClick() {
    if (ListView1->Selected()) EditForm->ShowFor(TDialogEditForm::Mode::Edit);
}

void TSystemLogHostForm::DeleteButtonClick() {
    if (!ListView1->Selected()) {
        ShowWarning(this, "Choose the item first.");
    } else {
        if (!ServerTable.PassGuard()) return;
        ServerTable.DeleteRow();
    }
    EditButton->SetEnabled(false);
    DeleteButton->SetEnabled(false);
    ShowRowCount();
}
