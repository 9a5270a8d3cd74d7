#include "Arpspoofingpreventmgmtformunit.h"

#include "CatalogTables.h"
#include "EditorInput.h"
#include "StackUnits.h"

#include "ListView.h"
#include "StdCtrls.h"

TARPSpoofingPreventMgmtForm* ARPSpoofingPreventMgmtForm = nullptr;

namespace {

enum Column { GatewayIp, Mac, PortList, Status };

constexpr const char* InvalidIp = "Please input a valid IP";
constexpr const char* InvalidIpDot = "Please input a valid   IP";

}  // namespace

TARPSpoofingPreventMgmtForm::TARPSpoofingPreventMgmtForm(ui::Component* owner)
    : TDedicatedForm(owner, 640, 520), Entries(AddTable()) {
    SetName("ARPSpoofingPreventMgmtForm");
    SetCaption("ARPSpoofingPreventMgmtTable");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    btnGet = NewRoleButton(ButtonRole::Refresh, "btnGet", [this] { btnGetClick(); });
    btnEdit = NewRoleButton(ButtonRole::Set, "btnEdit", [this] { btnEditClick(); });
    btnAdd = NewRoleButton(ButtonRole::Add, "btnAdd", [this] { btnAddClick(); });
    btnDelete = NewRoleButton(ButtonRole::Delete, "btnDelete", [this] { btnDeleteClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("ListView1", 160, true);
    ListView1 = TableList;
    edtIpAddr = NewEditorEdit("edtIpAddr", "IP Address", 120);
    edtMacAddr = NewEditorEdit("edtMacAddr", "MAC Address", 120);
    ComboStatus = NewEditorCombo("ComboStatus", "", 100);
    ComboStatus->Hide();
}

void TARPSpoofingPreventMgmtForm::FormCreate(ui::Component*) {
    PresentStackUnits(AbsentUnit::ModelNotExist);  // the unit rows the port pages and the ports rule follow
    Ports = AddPortPage("Ports");
    DialogTable::Options options = SynchronousTableOptions();
    options.Errors = DialogTable::ErrorText::Template;
    OpenRowTable(Entries, {.Table = &Oid_switch::E_12_62_3_1_1,
                           .KeyCount = 2,
                           .Bind =
                               [this](DialogRequest& request) {
                                   request.BindEdit(GatewayIp, "%s{l16}", edtIpAddr);
                                   request.BindEdit(Mac, "%s{l12}", edtMacAddr);
                                   BindPorts(request, PortList, Ports);
                               },
                           .Options = options,
                           .RowStatusColumn = Status,
                           .RowStatusCombo = ComboStatus,
                           .KeepsRowStatus = true,
                           .KeyEdits = {edtIpAddr, edtMacAddr},
                           .ClearedEdits = {edtIpAddr, edtMacAddr}});
    Entries.Reread();
    ShowRowCount();
}

void TARPSpoofingPreventMgmtForm::btnGetClick() {
    if (Entries.Busy()) return;
    Entries.Reread();
    ShowRowCount();
    ResetRowButtons();
    ClearEditors();
}

bool TARPSpoofingPreventMgmtForm::KeysPass() {
    return CheckIpEdit(this, edtIpAddr, InvalidIp, InvalidIpDot, InvalidIp) &&
           PassedOrFocus(IsMacKey(this, edtMacAddr->Text()), edtMacAddr);
}

void TARPSpoofingPreventMgmtForm::WriteEntry(std::initializer_list<int> leftOut) {
    Entries.Write([&] { Entries.Send(leftOut); });
    ShowRowCount();
    ResetRowButtons();
    ClearEditors();
}

void TARPSpoofingPreventMgmtForm::btnAddClick() {
    if (Entries.Busy() || !KeysPass()) return;
    Entries.SelectRowStatus(RowStatusValue::CreateAndGo);
    if (PresentUnitPortTicked(*Ports, AbsentUnit::ModelNotExist)) return WriteEntry();
    WriteEntry({PortList});
}

void TARPSpoofingPreventMgmtForm::btnEditClick() {
    if (Entries.Busy() || !ListView1->Selected() || !KeysPass()) return;
    WriteEntry();
}

void TARPSpoofingPreventMgmtForm::btnDeleteClick() {
    if (Entries.Busy() || !ListView1->Selected() || !KeysPass()) return;
    Entries.SelectRowStatus(RowStatusValue::Destroy);
    WriteEntry();
}
