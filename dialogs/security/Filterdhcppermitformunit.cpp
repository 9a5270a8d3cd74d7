#include "Filterdhcppermitformunit.h"

#include "CatalogTables.h"
#include "EditorInput.h"
#include "StackUnits.h"

#include "ListView.h"
#include "StdCtrls.h"

namespace {

enum Column { ServerIp, ClientMac, PortList, Status };

constexpr const char* InvalidIp = "Please input a valid IP";

}  // namespace

TFilterDHCPPermitForm::TFilterDHCPPermitForm(ui::Component* owner)
    : TDedicatedForm(owner, 640, 520), Permits(AddTable()) {
    SetName("FilterDHCPPermitForm");
    SetCaption("DHCP Permit Table Form");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    btnGet = NewRoleButton(ButtonRole::Refresh, "btnGet", [this] { btnGetClick(); });
    btnEdit = NewRoleButton(ButtonRole::Set, "btnEdit", "Edit", [this] { btnEditClick(); });
    btnAdd = NewRoleButton(ButtonRole::Add, "btnAdd", [this] { btnAddClick(); });
    btnDelete = NewRoleButton(ButtonRole::Delete, "btnDelete", [this] { btnDeleteClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("ListView1", 160, true);
    ListView1 = TableList;
    ListView1->OnClick = [this](ui::Component*) { ListView1Click(); };
    edtIpAddr = NewEditorEdit("edtIpAddr", "IP Address", 120);
    edtMacAddr = NewEditorEdit("edtMacAddr", "MAC Address", 120);
    ComboStatus = NewEditorCombo("ComboStatus", "", 100);
    ComboStatus->Hide();
}

void TFilterDHCPPermitForm::FormCreate(ui::Component*) {
    PresentStackUnits(AbsentUnit::ModelNotExist);  // the unit rows the port pages and the port test follow
    Ports = AddPortPage("Ports");
    DialogTable::Options options = SynchronousTableOptions();
    options.Errors = DialogTable::ErrorText::Template;
    OpenRowTable(Permits, {.Table = &Oid_switch::E_12_37_1_1_1,
                           .KeyCount = 2,
                           .Bind =
                               [this](DialogRequest& request) {
                                   request.BindEdit(ServerIp, "%s{l16}", edtIpAddr);
                                   request.BindEdit(ClientMac, "%s{l12}", edtMacAddr);
                                   BindPorts(request, PortList, Ports);
                               },
                           .Options = options,
                           .RowStatusColumn = Status,
                           .RowStatusCombo = ComboStatus,
                           .KeepsRowStatus = true,
                           .KeyEdits = {edtIpAddr, edtMacAddr},
                           .ClearedEdits = {edtIpAddr, edtMacAddr}});
    Permits.Reread();
    ShowRowCount();
}

// A click that leaves no row selected opens Add again (a Refresh closes it).
void TFilterDHCPPermitForm::ListView1Click() {
    if (!ListView1->Selected()) btnAdd->SetEnabled(true);
}

void TFilterDHCPPermitForm::btnGetClick() {
    if (Permits.Busy()) return;
    Permits.Reread();
    AfterRead();
}

void TFilterDHCPPermitForm::AfterRead() {
    ShowRowCount();
    ResetRowButtons();
    btnAdd->SetEnabled(false);
    ClearEditors();
}

bool TFilterDHCPPermitForm::EntryPasses(const std::string& noPortMessage) {
    if (!CheckIpEdit(this, edtIpAddr, InvalidIp)) return false;
    if (!PassedOrFocus(IsMacKey(this, edtMacAddr->Text()), edtMacAddr)) return false;
    if (noPortMessage.empty() || PresentUnitPortTicked(*Ports, AbsentUnit::ModelNotExist)) return true;
    ShowMessage(this, noPortMessage);
    return false;
}

void TFilterDHCPPermitForm::WriteEntry(std::initializer_list<int> leftOut) {
    Permits.Write([&] { Permits.Send(leftOut); });
    AfterRead();
}

void TFilterDHCPPermitForm::btnAddClick() {
    if (Permits.Busy() || !EntryPasses("Please select at least one port to add.")) return;
    Permits.SelectRowStatus(RowStatusValue::CreateAndGo);
    WriteEntry();
}

void TFilterDHCPPermitForm::btnEditClick() {
    if (Permits.Busy() || !ListView1->Selected() || !EntryPasses("Please select at least one port to edit.")) return;
    WriteEntry();
}

void TFilterDHCPPermitForm::btnDeleteClick() {
    if (Permits.Busy() || !ListView1->Selected() || !EntryPasses("")) return;
    Permits.SelectRowStatus(RowStatusValue::Destroy);
    WriteEntry({PortList});
}
