#include "Arpipv6controlformeditunit.h"

#include "EditorGrid.h"
#include "EditorInput.h"
#include "StdCtrls.h"

TARPIPv6ControlEditForm* ARPIPv6ControlEditForm = nullptr;

namespace {

constexpr int Rows = 4;

}  // namespace

TARPIPv6ControlEditForm::TARPIPv6ControlEditForm(ui::Form& dialog, DialogTable& table)
    : TDialogEditForm(dialog, table, 420, Rows * EditorGrid::RowHeight + 85) {
    SetName("ARPIPv6ControlEditForm");
    SetCaption("IPV6 ARP Control Edit");
    EditorGrid grid(this, this, 410, 100);
    edtAddress = grid.Edit(0, 0, "edtAddress", "IPv6 Address", 260);
    edtMac = grid.Edit(0, 1, "edtMac", "MAC Address");
    edtInterface = grid.Edit(0, 2, "edtInterface", "Interface Name");
    cbxRowStatus = grid.Combo(0, 3, "cbxRowStatus", "Status");
    cbxState = grid.Combo(0, 3, "cbxState", "");
    cbxState->Hide();
    const int buttonTop = grid.Bottom(Rows) + 8;
    btnSet = new ui::Button(this);
    btnSet->SetName("btnSet");
    btnSet->SetParent(this);
    btnSet->SetCaption("Set");
    btnSet->SetBounds(230, buttonTop, 80, 25);
    btnSet->OnClick = [this](ui::Component*) { btnSetClick(); };
    btnClose = new ui::Button(this);
    btnClose->SetName("btnClose");
    btnClose->SetParent(this);
    btnClose->SetCaption("Close");
    btnClose->SetBounds(320, buttonTop, 80, 25);
    btnClose->OnClick = [this](ui::Component*) { Close(); };
    BindsColumns({{Ipv6Address, edtAddress, "%s{l32}"},
                  {MacAddress, edtMac, "%s{l12}"},
                  {InterfaceName, edtInterface, "%s{l12}"},
                  {ReachState, cbxState}});
    PreparesEditors({edtAddress, edtMac, edtInterface}, {}, cbxRowStatus);
    KeepsDisabled({cbxState});
}

TARPIPv6ControlEditForm::~TARPIPv6ControlEditForm() {
    if (ARPIPv6ControlEditForm == this) ARPIPv6ControlEditForm = nullptr;
}

void TARPIPv6ControlEditForm::Activated() { cbxState->SetItemIndex(-1); }

void TARPIPv6ControlEditForm::btnSetClick() {
    if (EntryChecksPass()) SetThroughTable();
}

bool TARPIPv6ControlEditForm::EntryChecksPass() {
    if (edtAddress->Text().empty()) return InputRefused(this, "Please Set IPv6 Address");
    if (!CheckHexEdit(this, edtAddress, 32, "Please input a valid IPv6 address")) return false;
    if (edtMac->Text().empty()) return InputRefused(this, "Please Set MAC Address");
    if (!PassedOrFocus(IsMacKey(this, edtMac->Text()), edtMac)) return false;
    if (edtInterface->Text().empty()) return InputRefused(this, "Please input an index first", edtInterface);
    return true;
}
