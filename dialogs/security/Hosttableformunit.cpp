#include "Hosttableformunit.h"

#include "CatalogTables.h"
#include "Hosttableformeditunit.h"

#include "ListView.h"
#include "StdCtrls.h"

THostTableForm* HostTableForm = nullptr;

THostTableForm::THostTableForm(ui::Component* owner) : TDedicatedForm(owner, 520, 360), Hosts(AddTable()) {
    SetName("HostTableForm");
    SetCaption("Host Table");
    SetPosition(ui::poScreenCenter);
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    GetButton = NewRoleButton(ButtonRole::Refresh, "GetButton", [this] { GetButtonClick(); });
    AddButton = NewRoleButton(ButtonRole::Add, "AddButton", [this] { AddButtonClick(); });
    DeleteButton = NewRoleButton(ButtonRole::Delete, "DeleteButton", [this] { DeleteButtonClick(); });
    CloseButton = NewRoleButton(ButtonRole::Close, "CloseButton");
    BuildTableArea("ListView1", 150, false);
    ListView1 = TableList;
}

void THostTableForm::FormCreate(ui::Component*) {
    EditForm = HostTableEditForm = new THostTableEditForm(*this, Hosts);
    OpenRowTable(Hosts, {.Table = &Oid_switch::E_12_1_2_10_1_1,
                         .Bind = [this](DialogRequest& request) { EditForm->BindEditors(request); },
                         .Options = NoFlagTableOptions(),
                         .RowStatusColumn = THostTableEditForm::RowStatus,
                         .RowStatusCombo = EditForm->StatusComboBox,
                         .KeepsRowStatus = true});
}

// Add stays open whatever is selected: an entry is changed by deleting it and adding it again.
void THostTableForm::RowSelectionChanged(bool) { AddButton->SetEnabled(true); }

void THostTableForm::AfterChange() {
    ListView1->ClearSelection();
    ResetRowButtons();
    ShowRowCount();
}

void THostTableForm::GetButtonClick() {
    Hosts.Reread();
    ResetRowButtons();
}

void THostTableForm::AddButtonClick() {
    EditForm->ShowFor(TDialogEditForm::Mode::Add);
    AfterChange();
}

void THostTableForm::DeleteButtonClick() {
    if (!ListView1->Selected()) {
        ShowMessage(this, "Choose the item first.");
    } else if (Hosts.PassGuard()) {
        Hosts.DeleteRow();
    }
    AfterChange();
}
