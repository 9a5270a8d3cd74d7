#include "Multipauthguestvlanformunit.h"

#include "CatalogTables.h"

#include "ListView.h"
#include "StdCtrls.h"

TMultpAuthGuestVlanForm* MultpAuthGuestVlanForm = nullptr;

namespace {

enum Column { VlanId, PortList, RowStatus };
constexpr int SlowSwitchTimeout = 300;

}  // namespace

TMultpAuthGuestVlanForm::TMultpAuthGuestVlanForm(ui::Component* owner)
    : TDedicatedForm(owner, 640, 520), GuestVlans(AddTable()) {
    SetName("MultpAuthGuestVlanForm");
    SetCaption("Guest VLAN Table");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    BT_Get = NewRoleButton(ButtonRole::Refresh, "BT_Get", [this] { BT_GetClick(); });
    ADDButton = NewRoleButton(ButtonRole::Add, "ADDButton", [this] { ADDButtonClick(); });
    SetBtn = NewRoleButton(ButtonRole::Set, "SetBtn", "Edit", [this] { SetBtnClick(); });
    DelBtn = NewRoleButton(ButtonRole::Delete, "DelBtn", [this] { DelBtnClick(); });
    BT_Close = NewRoleButton(ButtonRole::Close, "BT_Close");
    BuildTableArea("ListView1", 160, true);
    ListView1 = TableList;
    VIDEdit = NewEditorEdit("VIDEdit", "Guest VLAN ID", 60);
    cbxDel = NewEditorCombo("cbxDel", "", 80);
    cbxDel->Hide();
}

void TMultpAuthGuestVlanForm::FormCreate(ui::Component*) {
    Ports = AddPortPage("Guest VLAN Ports");
    DialogTable::Options options = SynchronousTableOptions();
    options.Timeout = SlowSwitchTimeout;
    options.FirstGet = true;
    OpenRowTable(GuestVlans, {.Table = &Oid_mba::E_12_3_11_2_1,
                              .Bind =
                                  [this](DialogRequest& request) {
                                      request.BindEdit(VlanId, "%i{n1x4094l4}", VIDEdit);
                                      BindPorts(request, PortList, Ports);
                                  },
                              .Options = options,
                              .RowStatusColumn = RowStatus,
                              .RowStatusCombo = cbxDel,
                              .KeepsRowStatus = true,
                              .KeyEdits = {VIDEdit},
                              .ClearedEdits = {VIDEdit}});
}

void TMultpAuthGuestVlanForm::ResetEditors() {
    ResetRowButtons();
    ClearEditors();
    ShowRowCount();
}

void TMultpAuthGuestVlanForm::Write(const std::function<void()>& sets) {
    GuestVlans.Write(sets);
    ResetEditors();
}

void TMultpAuthGuestVlanForm::BT_GetClick() {
    if (GuestVlans.Busy()) return;
    GuestVlans.Reread();
    ResetEditors();
}

// The ports follow only a create the switch took: a refused one (say, the VLAN exists) keeps its ports.
void TMultpAuthGuestVlanForm::ADDButtonClick() {
    if (GuestVlans.Busy()) return;
    GuestVlans.SelectRowStatus(RowStatusValue::CreateAndGo);
    Write([this] {
        if (GuestVlans.Send({PortList})) GuestVlans.Send({RowStatus});
    });
}

void TMultpAuthGuestVlanForm::SetBtnClick() {
    if (GuestVlans.Busy() || !ListView1->Selected()) return;
    Write([this] { GuestVlans.Send({RowStatus}); });
}

void TMultpAuthGuestVlanForm::DelBtnClick() {
    if (GuestVlans.Busy() || !ListView1->Selected()) return;
    GuestVlans.SelectRowStatus(RowStatusValue::Destroy);
    Write([this] { GuestVlans.Send({PortList}); });
}
