#include "IpMacBindingTableForm.h"

#include "EditorInput.h"

#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <algorithm>
#include <vector>

namespace {

enum Column { Address, Mac, PortList };

bool AnyPortTicked(const TStackingPortUitForm& selector) {
    return std::any_of(selector.PortCheckBoxes.begin(), selector.PortCheckBoxes.end(),
                       [](const ui::CheckBox* box) { return box->Checked(); });
}

}  // namespace

TIpMacBindingTableForm::TIpMacBindingTableForm(ui::Component* owner, IpMacBindingLayout layout)
    : TDedicatedForm(owner, 640, 520), Bindings(AddTable()), layout_(std::move(layout)) {
    SetName(layout_.FormName);
    SetCaption(layout_.Caption);
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    btnGet = NewRoleButton(ButtonRole::Refresh, "btnGet", [this] { btnGetClick(); });
    btnEdit = NewRoleButton(ButtonRole::Set, "btnEdit", "Edit", [this] { btnEditClick(); });
    btnAdd = NewRoleButton(ButtonRole::Add, "btnAdd", [this] { btnAddClick(); });
    btnDelete = NewRoleButton(ButtonRole::Delete, "btnDelete", [this] { btnDeleteClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("ListView1", 160, true);
    ListView1 = TableList;
    edtIpAddr = NewEditorEdit("edtIpAddr", "IP Address", 240);
    edtMacAddr = NewEditorEdit("edtMacAddr", "MAC Address", 120);
    ComboStatus = NewEditorCombo("ComboStatus", "", 100);
    ComboStatus->Hide();
}

void TIpMacBindingTableForm::FormCreate(ui::Component*) {
    Ports = AddPortPage("Ports");
    DialogTable::Options options = SynchronousTableOptions();
    options.Errors = DialogTable::ErrorText::Template;
    OpenRowTable(Bindings, {.Table = layout_.Table,
                            .Bind =
                                [this](DialogRequest& request) {
                                    request.BindEdit(Address, layout_.AddressFormat, edtIpAddr);
                                    request.BindEdit(Mac, "%s{l12}", edtMacAddr);
                                    BindPorts(request, PortList, Ports);
                                },
                            .Options = options,
                            .RowStatusColumn = layout_.RowStatusColumn,
                            .RowStatusCombo = ComboStatus,
                            .KeepsRowStatus = true,
                            .KeyEdits = {edtIpAddr},
                            .ClearedEdits = {edtIpAddr, edtMacAddr}});
    Bindings.Reread();
    ShowRowCount();
}

void TIpMacBindingTableForm::RowSelectionChanged(bool) { btnAdd->SetEnabled(true); }

void TIpMacBindingTableForm::AfterWrite() {
    ShowRowCount();
    ResetRowButtons();
    ClearEditors();
}

void TIpMacBindingTableForm::btnGetClick() {
    if (Bindings.Busy()) return;
    Bindings.Reread();
    AfterWrite();
}

bool TIpMacBindingTableForm::EntryPasses() {
    if (layout_.ChecksIpv4Address && !CheckIpEdit(this, edtIpAddr, "Please input a valid ip")) return false;
    return PassedOrFocus(IsMacKey(this, edtMacAddr->Text()), edtMacAddr);
}

// The ports rule: with no box ticked the entry keeps (or is created without) its port list.
void TIpMacBindingTableForm::WriteEntry(bool portsRule) {
    const bool leavePortsOut = portsRule && !AnyPortTicked(*Ports);
    const std::vector<int> leftOut = leavePortsOut ? std::vector<int>{PortList} : std::vector<int>{};
    Bindings.Write([&] { Bindings.Send(leftOut); });
    AfterWrite();
}

void TIpMacBindingTableForm::btnAddClick() {
    if (Bindings.Busy() || !EntryPasses()) return;
    Bindings.SelectRowStatus(RowStatusValue::CreateAndGo);
    WriteEntry(true);
}

void TIpMacBindingTableForm::btnEditClick() {
    if (Bindings.Busy() || !ListView1->Selected() || !EntryPasses()) return;
    WriteEntry(true);
}

void TIpMacBindingTableForm::btnDeleteClick() {
    if (Bindings.Busy() || !ListView1->Selected()) return;
    Bindings.SelectRowStatus(RowStatusValue::Destroy);
    WriteEntry(false);
}
