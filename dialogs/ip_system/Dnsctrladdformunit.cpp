#include "Dnsctrladdformunit.h"

#include "EditorGrid.h"
#include "StdCtrls.h"

TDNSCtrlAddForm* DNSCtrlAddForm = nullptr;

namespace {

constexpr int Rows = 3;

}  // namespace

TDNSCtrlAddForm::TDNSCtrlAddForm(ui::Form& dialog, DialogTable& table)
    : TDialogEditForm(dialog, table, 300, Rows * EditorGrid::RowHeight + 85) {
    SetName("DNSCtrlAddForm");
    SetCaption("DNS Control Add");
    EditorGrid grid(this, this, 290, 100);
    edtName = grid.Edit(0, 0, "edtName", "Domain Name");
    edtIP = grid.Edit(0, 1, "edtIP", "IP Address");
    cbxState = grid.Combo(0, 2, "cbxState", "State");
    const int buttonTop = grid.Bottom(Rows) + 8;
    btnAdd = new ui::Button(this);
    btnAdd->SetName("btnAdd");
    btnAdd->SetParent(this);
    btnAdd->SetCaption("Add");
    btnAdd->SetBounds(110, buttonTop, 80, 25);
    btnAdd->OnClick = [this](ui::Component*) { btnAddClick(); };
    btnClose = new ui::Button(this);
    btnClose->SetName("btnClose");
    btnClose->SetParent(this);
    btnClose->SetCaption("Close");
    btnClose->SetBounds(200, buttonTop, 80, 25);
    btnClose->OnClick = [this](ui::Component*) { Close(); };
    BindsColumns({{DomainName, edtName, "%s"}, {IpAddress, edtIP, "%s{l16}"}});
    PreparesEditors({edtName, edtIP}, {}, cbxState);
    CreatesWith(Valid);
    DialogSetRule = [] { return SetRule{.RereadsAfterAnswer = true}; };
}

TDNSCtrlAddForm::~TDNSCtrlAddForm() {
    if (DNSCtrlAddForm == this) DNSCtrlAddForm = nullptr;
}

void TDNSCtrlAddForm::btnAddClick() {
    table_.SelectStatusValue(Valid);
    SetThroughTable();
}
