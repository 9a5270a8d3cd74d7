#include "Ipctrleditunit.h"

#include "DialogMessages.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "ListView.h"
#include "NxInputCheck.h"
#include "StdCtrls.h"

#include <array>
#include <sstream>

TIPCtrlEdtForm* IPCtrlEdtForm = nullptr;

namespace {

constexpr int Rows = 9;
constexpr int ColumnWidth = 330;
constexpr int LabelWidth = 170;
constexpr int MaxInterfacesPerVlan = 64;

// List view sub-items of a row (columns 1 to 15).
constexpr int IpSubItem = 1;
constexpr int MaskSubItem = 2;
constexpr int VlanSubItem = 3;

bool IsInterfaceMask(const std::string& mask) {
    static const std::array<const char*, 4> masks{"0.0.0.0", "255.0.0.0", "255.255.0.0", "255.255.255.0"};
    for (const char* allowed : masks)
        if (mask == allowed) return true;
    return false;
}

// The network of address under a classful mask, as dotted text with each part's decimal value; under any other
// mask the whole address.
std::string NetworkOf(const std::string& address, const std::string& mask) {
    int keptParts = 4;
    if (mask == "255.0.0.0")
        keptParts = 1;
    else if (mask == "255.255.0.0")
        keptParts = 2;
    else if (mask == "255.255.255.0")
        keptParts = 3;
    std::istringstream parts(address);
    std::string part;
    std::string network;
    for (int i = 0; i < 4; ++i) {
        std::getline(parts, part, '.');
        const std::string value = i < keptParts ? std::to_string(TextToIntDef(part, 0)) : "0";
        network += (i ? "." : "") + value;
    }
    return network;
}

}  // namespace

TIPCtrlEdtForm::TIPCtrlEdtForm(ui::Form& dialog, DialogTable& table, const ui::ListView& rows)
    : TDialogEditForm(dialog, table, 2 * ColumnWidth + 16, Rows * EditorGrid::RowHeight + 85), rows_(rows) {
    SetName("IPCtrlEdtForm");
    SetCaption("IP Control Edit");
    BuildEditors();
    boxes_ = ApplyBoxes({{InterfaceNameCheckBox, InterfaceName, edtInterface},
                         {IPAddressCheckBox, IpAddress, edtIPAddr},
                         {SubnetMaskCheckBox, SubnetMask, edtMask},
                         {VLANNameCheckBox, VlanName, edtVlan},
                         {ModeCheckBox, IpMode, cbxMode},
                         {AdminStateCheckBox, AdminState, cbxAdmin},
                         {StateCheckBox, State, cbxState},
                         {SecondaryCheckBox, Secondary, cbxSecondary},
                         {ProxyARPCheckBox, ProxyArp, ProxyARPComboBox},
                         {LocalProxyArpCheckBox, LocalProxyArp, ProxyARPStateComboBox},
                         {ipV6LKAutoStateCheckBox, Ipv6AutoState, cbxAutoState},
                         {DHCPv6CheckBox, Dhcpv6Client, ClientStatecbx},
                         {DirectedBroadcastStateCheckBox, DirectedBroadcast, DirectedBroadcastStateCBX}});
    BindsColumns({{InterfaceName, edtInterface, "%s{l12}"},
                  {IfIndex, edtIndex, "%i{n0x65535l5}"},
                  {IpAddress, edtIPAddr, "%s{l16}"},
                  {SubnetMask, edtMask, "%s{l16}"},
                  {VlanName, edtVlan, "%s{l32}"},
                  {Secondary, cbxSecondary},
                  {IpMode, cbxMode},
                  {AdminState, cbxAdmin},
                  {Ipv6LinkLocal, edtIpv6Addr, "%s{l32}"},
                  {Ipv6PrefixLength, edtIPv6Prefix, "%i{n0x128l3}"},
                  {ProxyArp, ProxyARPComboBox},
                  {LocalProxyArp, ProxyARPStateComboBox},
                  {Ipv6AutoState, cbxAutoState},
                  {Dhcpv6Client, ClientStatecbx},
                  {DirectedBroadcast, DirectedBroadcastStateCBX}});
    PreparesEditors({edtInterface}, {edtIndex, edtIPAddr, edtMask, edtVlan, edtIpv6Addr, edtIPv6Prefix}, cbxState);
    KeepsDisabled({edtIndex, edtIpv6Addr, edtIPv6Prefix, cbxState});
}

TIPCtrlEdtForm::~TIPCtrlEdtForm() {
    if (IPCtrlEdtForm == this) IPCtrlEdtForm = nullptr;
}

void TIPCtrlEdtForm::BuildEditors() {
    EditorGrid grid(this, this, ColumnWidth, LabelWidth);
    const auto boxedEdit = [&](int column, int row, ui::CheckBox*& box, const char* boxName, const char* caption,
                               const char* name) {
        box = grid.ApplyBox(column, row, boxName, caption);
        return grid.Edit(column, row, name, "");
    };
    const auto boxedCombo = [&](int column, int row, ui::CheckBox*& box, const char* boxName, const char* caption,
                                const char* name) {
        box = grid.ApplyBox(column, row, boxName, caption);
        return grid.Combo(column, row, name, "");
    };
    edtInterface = boxedEdit(0, 0, InterfaceNameCheckBox, "InterfaceNameCheckBox", "Interface Name", "edtInterface");
    edtIndex = grid.Edit(0, 1, "edtIndex", "IF Index");
    edtIPAddr = boxedEdit(0, 2, IPAddressCheckBox, "IPAddressCheckBox", "IP Address", "edtIPAddr");
    edtMask = boxedEdit(0, 3, SubnetMaskCheckBox, "SubnetMaskCheckBox", "Subnet Mask", "edtMask");
    edtVlan = boxedEdit(0, 4, VLANNameCheckBox, "VLANNameCheckBox", "VLAN Name", "edtVlan");
    cbxSecondary = boxedCombo(0, 5, SecondaryCheckBox, "SecondaryCheckBox", "Secondary", "cbxSecondary");
    cbxMode = boxedCombo(0, 6, ModeCheckBox, "ModeCheckBox", "Mode", "cbxMode");
    cbxAdmin = boxedCombo(0, 7, AdminStateCheckBox, "AdminStateCheckBox", "Admin State", "cbxAdmin");
    cbxState = boxedCombo(0, 8, StateCheckBox, "StateCheckBox", "State", "cbxState");
    StateCheckBox->Hide();
    cbxState->Hide();
    ProxyARPComboBox = boxedCombo(1, 0, ProxyARPCheckBox, "ProxyARPCheckBox", "Proxy ARP", "ProxyARPComboBox");
    ProxyARPStateComboBox =
        boxedCombo(1, 1, LocalProxyArpCheckBox, "LocalProxyArpCheckBox", "Local Proxy ARP", "ProxyARPStateComboBox");
    cbxAutoState = boxedCombo(1, 2, ipV6LKAutoStateCheckBox, "ipV6LKAutoStateCheckBox", "IPv6 Link Local Auto State",
                              "cbxAutoState");
    ClientStatecbx = boxedCombo(1, 3, DHCPv6CheckBox, "DHCPv6CheckBox", "DHCPv6 Client State", "ClientStatecbx");
    DirectedBroadcastStateCBX = boxedCombo(1, 4, DirectedBroadcastStateCheckBox, "DirectedBroadcastStateCheckBox",
                                           "Directed Broadcast State", "DirectedBroadcastStateCBX");
    edtIpv6Addr = grid.Edit(1, 5, "edtIpv6Addr", "IPv6 Link Local Address");
    edtIPv6Prefix = grid.Edit(1, 6, "edtIPv6Prefix", "IPv6 Link Local Prefix Length");
    cbxSecondary->OnChange = [this](ui::Component*) { cbxSecondaryChange(); };

    const int buttonTop = grid.Bottom(Rows) + 8;
    const auto button = [&](const char* name, const char* caption, int left, std::function<void()> click) {
        auto* b = new ui::Button(this);
        b->SetName(name);
        b->SetParent(this);
        b->SetCaption(caption);
        b->SetBounds(left, buttonTop, 90, 25);
        b->OnClick = [click = std::move(click)](ui::Component*) { click(); };
        return b;
    };
    CheckButton = button("CheckButton", "Check All", 8, [this] { CheckButtonClick(); });
    UncheckButton = button("UncheckButton", "Clear Checks", 106, [this] { UncheckButtonClick(); });
    btnSet = button("btnSet", "Set", 2 * ColumnWidth - 188, [this] { btnSetClick(); });
    btnClose = button("btnClose", "Close", 2 * ColumnWidth - 90, [this] { Close(); });
}

bool TIPCtrlEdtForm::SecondaryChosen() const { return cbxSecondary->ItemIndex() == 0; }

void TIPCtrlEdtForm::Activated() {
    const bool adding = EditMode() == Mode::Add;
    boxes_.ClearChecks();
    if (adding) {
        cbxSecondary->SetItemIndex(1);
        for (ui::ComboBox* combo :
             {cbxMode, cbxAdmin, ProxyARPComboBox, ProxyARPStateComboBox, ClientStatecbx, DirectedBroadcastStateCBX})
            combo->SetItemIndex(0);
        // The auto state keeps what it shows; a first add gets the first value, so a ticked box has one to send.
        if (cbxAutoState->ItemIndex() < 0) cbxAutoState->SetItemIndex(0);
        StateCheckBox->SetChecked(true);
    }
    // The name is the row's key: always part of an Add, never changed by an Edit.
    InterfaceNameCheckBox->SetChecked(true);
    InterfaceNameCheckBox->SetEnabled(false);
    StateCheckBox->SetEnabled(false);
    btnSet->SetCaption(adding ? "Add" : "Edit");
    cbxSecondaryChange();
}

void TIPCtrlEdtForm::cbxSecondaryChange() {
    const bool primary = !SecondaryChosen();
    for (ui::CheckBox* box : {ipV6LKAutoStateCheckBox, DHCPv6CheckBox}) box->SetEnabled(primary);
    for (ui::ComboBox* combo : {cbxAutoState, ClientStatecbx}) SetEditorEnabled(combo, primary);
}

void TIPCtrlEdtForm::CheckButtonClick() {
    boxes_.CheckAll();
    if (SecondaryChosen())
        for (ui::CheckBox* box : {ipV6LKAutoStateCheckBox, DHCPv6CheckBox}) box->SetChecked(false);
}

void TIPCtrlEdtForm::UncheckButtonClick() {
    boxes_.ClearChecks();
    InterfaceNameCheckBox->SetChecked(true);
    if (EditMode() == Mode::Add) StateCheckBox->SetChecked(true);
}

std::vector<int> TIPCtrlEdtForm::LeftOutColumns() const {
    const bool adding = EditMode() == Mode::Add;
    std::vector<int> leftOut;
    for (const ApplyBox& box : boxes_.Boxes()) {
        const bool alwaysSent = box.Column == InterfaceName || (adding && box.Column == State);
        if (!box.Box->Checked() && !alwaysSent) leftOut.push_back(box.Column);
    }
    if (SecondaryChosen()) leftOut.insert(leftOut.end(), {Ipv6AutoState, Dhcpv6Client});
    if (adding && edtIPAddr->Text().empty() && edtMask->Text().empty())
        leftOut.insert(leftOut.end(), {IpAddress, SubnetMask});
    return leftOut;
}

void TIPCtrlEdtForm::btnSetClick() {
    if (!table_.HasRequest()) return Close();
    const bool passed = EditMode() == Mode::Add ? AddChecksPass() : ChoicesPass();
    if (passed) SetThroughTable(LeftOutColumns());
}

bool TIPCtrlEdtForm::AddChecksPass() {
    const std::string name = edtInterface->Text();
    if (!AddressChecksPass()) return false;
    if (name.empty()) return InputRefused(this, "Please input Interface Name.");
    if (ListHasKey(rows_, name)) return InputRefused(this, "Please input different Interface Name.");
    return VlanChecksPass() && ChoicesPass();
}

bool TIPCtrlEdtForm::AddressChecksPass() {
    const std::string address = edtIPAddr->Text();
    const std::string mask = edtMask->Text();
    if (address.empty() && mask.empty()) return true;
    if (!IsValidHostAddress(address)) return InputRefused(this, "Please input valid IP Address.");
    if (!IsInterfaceMask(mask)) return InputRefused(this, "Please input valid Subnet Mask.");
    const std::string network = NetworkOf(address, mask);
    if (network == "0.0.0.0") return true;
    for (int i = 0; i < rows_.Items().Count(); ++i) {
        const ui::ListItem* row = rows_.Items()[i];
        if (NetworkOf(row->SubItems()[IpSubItem], row->SubItems()[MaskSubItem]) == network)
            return InputRefused(this, "There is an same interface, please modify IP or Subnet Mask!");
    }
    return true;
}

bool TIPCtrlEdtForm::VlanChecksPass() {
    const std::string vlan = edtVlan->Text();
    if (vlan.empty()) return InputRefused(this, "Please input a VLAN name.");
    if (cbxSecondary->ItemIndex() < 0) return InputRefused(this, "Please choose Secondary.");
    int interfaces = 0;
    for (int i = 0; i < rows_.Items().Count(); ++i) {
        if (rows_.Items()[i]->SubItems()[VlanSubItem] != vlan) continue;
        if (++interfaces >= MaxInterfacesPerVlan) return InputRefused(this, "A VLAN can just create 64 interfaces.");
        if (!SecondaryChosen())
            return InputRefused(
                this, "This VLAN has been used to create primary interface.\nPlease choose true in Secondary");
    }
    if (interfaces == 0 && SecondaryChosen())
        return InputRefused(this, "You should create primary interface at first.");
    return true;
}

bool TIPCtrlEdtForm::ChoicesPass() {
    const std::pair<ui::ComboBox*, const char*> choices[] = {{cbxMode, "Please choose Mode"},
                                                             {cbxSecondary, "Please choose Secondary"},
                                                             {cbxAdmin, "Please choose Admin"},
                                                             {cbxState, "Please choose State"}};
    for (const auto& [combo, message] : choices)
        if (combo->ItemIndex() < 0) return InputRefused(this, message);
    return true;
}
