#include "Multiconfigcontrolformunit.h"

#include "CatalogTables.h"
#include "ListView.h"
#include "Multiconfigcontroleditformunit.h"
#include "StdCtrls.h"

TMultipleConfigControlForm* MultipleConfigControlForm = nullptr;

namespace {

const CatalogTable& ControlEntry = Oid_switch::E_12_1_2_8_4_1;
constexpr int ControlTimeout = 300;  // hundredths of a second

}  // namespace

TMultipleConfigControlForm::TMultipleConfigControlForm(ui::Component* owner)
    : TDedicatedForm(owner, 450, 260), ControlTable(AddTable()) {
    SetName("MultipleConfigControlForm");
    SetCaption("Multiple Config Control");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    btnEdit = NewRoleButton(ButtonRole::Set, "btnEdit", "Edit", [this] { btnEditClick(); });
    btnGet = NewRoleButton(ButtonRole::Refresh, "btnGet", [this] { btnGetClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    ListView1 = TableList = new ui::ListView(this);
    ListView1->SetName("ListView1");
    ListView1->SetParent(this);
    ListView1->SetAlign(ui::alClient);
    ListView1->OnDblClick = [this](ui::Component*) { btnEditClick(); };
}

void TMultipleConfigControlForm::FormCreate(ui::Component*) {
    EditForm = MultiConfigControlEditForm = new TMultiConfigControlEditForm(*this, ControlTable);
    DialogTable::Options options = NoFlagTableOptions();
    options.Errors = DialogTable::ErrorText::Bare;
    options.Timeout = ControlTimeout;
    OpenRowTable(ControlTable, {.Table = &ControlEntry,
                                .Bind = [this](DialogRequest& request) { EditForm->BindEditors(request); },
                                .Options = options});
}

void TMultipleConfigControlForm::btnGetClick() {
    ControlTable.Reread();
    btnEdit->SetEnabled(false);
}

void TMultipleConfigControlForm::btnEditClick() {
    if (!ListView1->Selected()) return;
    EditForm->ShowFor(TDialogEditForm::Mode::Edit, "Multiple Config Control Edit", "");
}
