#include "Dnsctrlformunit.h"

#include "CatalogTables.h"
#include "DeviceWindow.h"
#include "Dnsctrladdformunit.h"
#include "ListView.h"
#include "StdCtrls.h"

TDNSCtrlForm* DNSCtrlForm = nullptr;

namespace {

const CatalogTable& DnsEntry = Oid_ip::E_11_70_7_3_3_2_6_1;

}  // namespace

TDNSCtrlForm::TDNSCtrlForm(ui::Component* owner) : TDedicatedForm(owner, 500, 350), DnsTable(AddTable()) {
    SetName("DNSCtrlForm");
    SetCaption("DNS Control Table");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    btnGet = NewRoleButton(ButtonRole::Refresh, "btnGet", [this] { btnGetClick(); });
    btnAdd = NewPanelButton("btnAdd", "Add", [this] { btnAddClick(); });
    btnDelete = NewRoleButton(ButtonRole::Delete, "btnDelete", [this] { btnDeleteClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    ListView1 = TableList = new ui::ListView(this);
    ListView1->SetName("ListView1");
    ListView1->SetParent(this);
    ListView1->SetAlign(ui::alClient);
}

void TDNSCtrlForm::FormCreate(ui::Component*) {
    AddForm = DNSCtrlAddForm = new TDNSCtrlAddForm(*this, DnsTable);
    DialogTable::Options options = NoFlagTableOptions();
    options.Errors = DialogTable::ErrorText::Bare;
    OpenRowTable(DnsTable, {.Table = &DnsEntry,
                            .KeyCount = 2,
                            .Bind = [this](DialogRequest& request) { AddForm->BindEditors(request); },
                            .Options = options,
                            .RowStatusColumn = TDNSCtrlAddForm::State,
                            .RowStatusCombo = AddForm->cbxState,
                            .KeepsRowStatus = true});
}

void TDNSCtrlForm::btnGetClick() { DnsTable.Reread(); }

void TDNSCtrlForm::btnAddClick() {
    // The walk is stopped and ended before the SET, whose answer brings the whole table again.
    DnsTable.StopAndWait();
    AddForm->ShowFor(TDialogEditForm::Mode::Add, "DNS Relay Control Table : " + CurrentDeviceWindow().DeviceAddress());
}

void TDNSCtrlForm::btnDeleteClick() {
    if (!ListView1->Selected()) return;
    DnsTable.StopAndWait();
    DnsTable.SelectStatusValue(TDNSCtrlAddForm::Invalid);
    DnsTable.WriteOnly([this] { DnsTable.SendRefreshing(); });
    btnDelete->SetEnabled(false);
    ShowRowCount();
}
