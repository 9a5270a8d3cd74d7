#include "Bootctrltableformunit.h"

#include "CatalogTables.h"
#include "DeviceWindow.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "Newbootpctrlformunit.h"
#include "StdCtrls.h"

TBOOTCtrlTableForm* BOOTCtrlTableForm = nullptr;

namespace {

const CatalogTable& RelayEntry = Oid_ip::E_11_70_7_3_3_1_4_1;

}  // namespace

TBOOTCtrlTableForm::TBOOTCtrlTableForm(ui::Component* owner) : TDedicatedForm(owner, 500, 350), RelayTable(AddTable()) {
    SetName("BOOTCtrlTableForm");
    SetCaption("BOOTCtrlTableForm");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    RefreshBtn = NewRoleButton(ButtonRole::Refresh, "RefreshBtn", [this] { RefreshBtnClick(); });
    DeleteBtn = NewRoleButton(ButtonRole::Delete, "DeleteBtn", [this] { DeleteBtnClick(); });
    AddBtn = NewPanelButton("AddBtn", "Add", [this] { AddBtnClick(); });
    CloseBtn = NewRoleButton(ButtonRole::Close, "CloseBtn");
    btnStop = NewRoleButton(ButtonRole::Stop, "btnStop");
    ComboBox1 = new ui::ComboBox(this);
    ComboBox1->SetName("ComboBox1");
    ComboBox1->SetParent(Panel1);
    ComboBox1->Hide();
    ListView1 = TableList = new ui::ListView(this);
    ListView1->SetName("ListView1");
    ListView1->SetParent(this);
    ListView1->SetAlign(ui::alClient);
}

void TBOOTCtrlTableForm::FormCreate(ui::Component*) {
    AddForm = NewBootpCtrlForm = new TNewBootpCtrlForm(*this, RelayTable, *ListView1);
    DialogTable::Options options;
    options.Errors = DialogTable::ErrorText::Bare;
    OpenRowTable(RelayTable, {.Table = &RelayEntry,
                              .Kind = MVT_FMV,
                              .KeyCount = 2,
                              .Bind = [this](DialogRequest& request) { AddForm->BindEditors(request); },
                              .Options = options,
                              .RowStatusColumn = TNewBootpCtrlForm::State,
                              .RowStatusCombo = ComboBox1,
                              .KeepsRowStatus = true,
                              .GuardsClose = true});
}

void TBOOTCtrlTableForm::RefreshBtnClick() {
    if (!RelayTable.PassRefreshGuard()) return;
    RelayTable.Reread();
    DeleteBtn->SetEnabled(false);
}

void TBOOTCtrlTableForm::AddBtnClick() {
    if (!RelayTable.PassGuard()) return;
    AddForm->ShowFor(TDialogEditForm::Mode::Add, "DHCP/BOOTP Relay Control: " + CurrentDeviceWindow().DeviceAddress());
}

void TBOOTCtrlTableForm::DeleteBtnClick() {
    if (!ListView1->Selected()) return;
    if (!RelayTable.PassGuard()) return;
    RelayTable.SelectStatusValue(TNewBootpCtrlForm::Invalid);
    RelayTable.Write([this] { RelayTable.Send(); });
    ShowRowCount();
    DeleteBtn->SetEnabled(false);
}
