#include "Guestvlanformunit.h"

#include "CatalogTables.h"

#include "StdCtrls.h"

TGuestVlanForm* GuestVlanForm = nullptr;

namespace {

enum NamePortsColumn { VlanName, PortList };
constexpr int SlowSwitchTimeout = 300;

DialogTable::Options GuestVlanOptions(bool firstGet) {
    DialogTable::Options options = SynchronousTableOptions();
    options.Timeout = SlowSwitchTimeout;
    options.FirstGet = firstGet;
    return options;
}

}  // namespace

TGuestVlanForm::TGuestVlanForm(ui::Component* owner)
    : TDedicatedForm(owner, DesignWidth, DesignHeight, Scaling::Unscaled),
      NamePorts(AddTable()),
      StoredName(AddTable()),
      DeleteState(AddTable()) {
    SetName("GuestVlanForm");
    SetCaption("Guest VLAN");
    BuildButtonPanel("");
    BT_Get = NewRoleButton(ButtonRole::Refresh, "BT_Get", [this] { BT_GetClick(); });
    SetBtn = NewRoleButton(ButtonRole::Set, "SetBtn", [this] { SetBtnClick(); });
    DelBtn = NewRoleButton(ButtonRole::Delete, "DelBtn", [this] { DelBtnClick(); });
    BT_Close = NewRoleButton(ButtonRole::Close, "BT_Close");
    BuildEditorArea(true);
    edtName = NewEditorEdit("edtName", "Name", 200);
    Edit1 = NewEditorEdit("Edit1", "", 100);
    Edit1->SetText("Guest Vlan Name");
    Edit1->Hide();
    cbxDel = NewEditorCombo("cbxDel", "", 80);
    cbxDel->Hide();
}

void TGuestVlanForm::FormCreate(ui::Component*) {
    Ports = AddPortPage("Guest VLAN Ports");
    NamePorts.Open(
        Oid_dot1x::E_12_30_1_A, SVT_SV, 0,
        [this](DialogRequest& request) {
            request.BindEdit(VlanName, "%s", edtName);
            BindPorts(request, PortList, Ports);
        },
        GuestVlanOptions(true));
    StoredName.Open(
        Oid_dot1x::E_12_30_1_B, SVT_SV, 0, [this](DialogRequest& request) { request.BindEdit(0, "%s", Edit1); },
        GuestVlanOptions(true));
    DeleteState.Open(
        Oid_dot1x::E_12_30_1_C, SVT_SV, 0, [this](DialogRequest& request) { request.BindComboBox(0, cbxDel); },
        GuestVlanOptions(false));
}

void TGuestVlanForm::ReadNameAndPorts() {
    NamePorts.Reread();
    StoredName.Reread();
}

void TGuestVlanForm::BT_GetClick() {
    if (NamePorts.Busy()) return;
    ReadNameAndPorts();
    DeleteState.Reread();
}

// The name goes first, in a SET of its own; a stored name is never written over.
void TGuestVlanForm::SetBtnClick() {
    if (NamePorts.Busy()) return;
    const bool nameStored = !Edit1->Text().empty();
    NamePorts.WriteOnly([&] {
        if (nameStored) {
            NamePorts.Send({VlanName});
            return;
        }
        NamePorts.Send({PortList});
        if (!NamePorts.Busy()) NamePorts.Send({VlanName});
    });
    BT_GetClick();
}

void TGuestVlanForm::DelBtnClick() {
    if (DeleteState.Busy()) return;
    DeleteState.WriteOnly([this] {
        cbxDel->SetText("start");
        DeleteState.Send();
    });
    ReadNameAndPorts();
}
