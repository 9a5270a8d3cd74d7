#include "Ipmaskinformationformunit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "Exception.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "StdCtrls.h"

#include <algorithm>
#include <set>

TIPMaskInformationForm* IPMaskInformationForm = nullptr;

namespace {

// Profiles 1-14: the most rows the table can hold.
constexpr int MaxProfiles = 14;

const CatalogTable& ProfileTable = Oid_acl::E_12_9_2_2_1;

enum Column {
    ProfileId,
    UseVlan,
    MaskState,
    SrcIpMask,
    DstIpMask,
    UseDscp,
    ProtocolType,
    IcmpOption,
    IgmpOption,
    TcpOption,
    UdpOption,
    SrcPortMask,
    DstPortMask,
    TcpFlagBit,
    TcpFlagBitMask,
    ProtocolIdOption,
    ProtocolId,
    ProtocolIdMask,
    RowStatus,
    OwnerColumn,
    SrcMacMask,
    UnusedEntries,
};

constexpr const char* IpMessage = "Please input a valid ip";
constexpr const char* MaskMessage = "Invalid Mask!";
constexpr const char* ValueMessage = "Please input a valid value";

bool OneOf(const std::string& text, std::initializer_list<const char*> texts) {
    return std::any_of(texts.begin(), texts.end(), [&](const char* t) { return text == t; });
}

// What the choices of the form make of one creating SET.
struct ProfileChoices {
    std::string MaskState, ProtocolType, IcmpOption, TcpOption, UdpOption, TcpFlagBit, ProtocolIdOption;
    std::set<int> EmptyColumns;  // mask and number columns whose edit is empty
};

// The columns a new profile leaves out, in the order the rules are applied; a later rule may put back what an
// earlier one left out.
std::vector<int> ProfileColumnsLeftOut(const ProfileChoices& c) {
    std::set<int> out;
    auto leave = [&](std::initializer_list<int> columns) { out.insert(columns); };
    auto range = [&](int from, int to) {
        for (int column = from; column <= to; ++column) out.insert(column);
    };
    if (c.MaskState == "other")
        leave({MaskState, SrcIpMask, DstIpMask});
    else if (c.MaskState == "dst-ip-addr")
        leave({SrcIpMask});
    else if (c.MaskState == "src-ip-addr")
        leave({DstIpMask});
    if (c.IcmpOption == "none") leave({IcmpOption});
    if (c.TcpOption == "other") leave({TcpOption, SrcPortMask, DstPortMask});
    if (c.UdpOption == "other") leave({UdpOption, SrcPortMask, DstPortMask});
    for (const std::string& option : {c.TcpOption, c.UdpOption}) {
        if (OneOf(option, {"dst-addr", "dst-src-addr"})) out.erase(DstPortMask);
        if (OneOf(option, {"src-addr", "dst-src-addr"})) out.erase(SrcPortMask);
    }
    if (c.TcpFlagBit == "disable") leave({TcpFlagBitMask});
    if (c.ProtocolIdOption == "disable") leave({ProtocolId, ProtocolIdMask});
    const std::string& type = c.ProtocolType;
    if (type == "none") {
        leave({ProtocolType});
        range(IcmpOption, ProtocolIdMask);
    } else if (type == "icmp") {
        range(IgmpOption, ProtocolIdMask);
    } else if (type == "igmp") {
        leave({IcmpOption});
        range(TcpOption, ProtocolIdMask);
    } else if (type == "tcp") {
        leave({IcmpOption, IgmpOption, UdpOption, ProtocolIdOption, ProtocolId, ProtocolIdMask});
    } else if (type == "udp") {
        leave({IcmpOption, IgmpOption, TcpOption, TcpFlagBit, TcpFlagBitMask, ProtocolIdOption, ProtocolId,
               ProtocolIdMask});
    } else if (type == "protocolId") {
        range(IcmpOption, TcpFlagBitMask);
    }
    out.insert(c.EmptyColumns.begin(), c.EmptyColumns.end());
    return {out.begin(), out.end()};
}

}  // namespace

TIPMaskInformationForm::TIPMaskInformationForm(ui::Component* owner)
    : TDedicatedForm(owner, 820, 560), Profiles(AddTable()) {
    SetName("IPMaskInformationForm");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    BT_Get = NewRoleButton(ButtonRole::Refresh, "BT_Get", [this] { BT_GetClick(); });
    BT_Add = NewRoleButton(ButtonRole::Add, "BT_Add", [this] { BT_AddClick(); });
    BT_Delete = NewRoleButton(ButtonRole::Delete, "BT_Delete", [this] { BT_DeleteClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("ListView1", 180, false);
    ListView1 = TableList;

    EditorGrid grid(this, EditorPanel, 350, 200);
    IPIDEdit = grid.Edit(0, 0, "IPIDEdit", "IP Mask ID");
    VlanComboBox = grid.Combo(0, 1, "VlanComboBox", "Use VLAN");
    IpAddMaskStateComboBox = grid.Combo(0, 2, "IpAddMaskStateComboBox", "IP Address Mask State");
    IpAddMaskSrcEdit = grid.Edit(0, 3, "IpAddMaskSrcEdit", "IP Address Mask Source");
    IpAddMaskDstEdit = grid.Edit(0, 4, "IpAddMaskDstEdit", "IP Address Mask Destination");
    UseDSCPComBo = grid.Combo(0, 5, "UseDSCPComBo", "Use DSCP");
    UseProTypeComBo = grid.Combo(0, 6, "UseProTypeComBo", "Use Protocol Type");
    IcmpComboBox = grid.Combo(0, 7, "IcmpComboBox", "ICMP Option");
    IgmpComboBox = grid.Combo(0, 8, "IgmpComboBox", "IGMP Option");
    TCPOptionComBo = grid.Combo(0, 9, "TCPOptionComBo", "TCP Option");
    UDPOptionComBo = grid.Combo(0, 10, "UDPOptionComBo", "UDP Option");
    TCPUDPSrcMaskEdit = grid.Edit(1, 0, "TCPUDPSrcMaskEdit", "TCP or UDP Srouce Port Mask");
    TCPUDPDstPortMaskEdit = grid.Edit(1, 1, "TCPUDPDstPortMaskEdit", "TCP or UDP Destination Port Mask");
    TCPFlagBitOptionComBo = grid.Combo(1, 2, "TCPFlagBitOptionComBo", "TCP Flag Bit Option");
    TCPFlagBitMaskEdit = grid.Edit(1, 3, "TCPFlagBitMaskEdit", "TCP Flag Bit Mask (0-63)");
    ProOptionComBo = grid.Combo(1, 4, "ProOptionComBo", "Protocol ID Option");
    ProtoIDEdit = grid.Edit(1, 5, "ProtoIDEdit", "Proto ID Mask(0-255)");
    ProIDMaskEdit = grid.Edit(1, 6, "ProIDMaskEdit", "User Mask");
    OwnerComboBox = grid.Combo(1, 7, "OwnerComboBox", "Owner");
    SrcMacAddrMaskEdit = grid.Edit(1, 8, "SrcMacAddrMaskEdit", "Source MAC Address Mask");
    EntriesEdit = grid.Edit(1, 9, "EntriesEdit", "Unused Rule Entries");
    RowStatusComBo = grid.Combo(1, 10, "RowStatusComBo", "");
    RowStatusComBo->Hide();
    ShowsOnly({OwnerComboBox, SrcMacAddrMaskEdit, EntriesEdit});
}

void TIPMaskInformationForm::FormCreate(ui::Component*) {
    OpenRowTable(
        Profiles,
        {.Table = &ProfileTable,
         .Bind = [this](DialogRequest& request) {
            request.BindEdit(ProfileId, "%i{n1x14l2}", IPIDEdit);
            request.BindComboBox(UseVlan, VlanComboBox);
            request.BindComboBox(MaskState, IpAddMaskStateComboBox);
            request.BindEdit(SrcIpMask, "%s", IpAddMaskSrcEdit);
            request.BindEdit(DstIpMask, "%s", IpAddMaskDstEdit);
            request.BindComboBox(UseDscp, UseDSCPComBo);
            request.BindComboBox(ProtocolType, UseProTypeComBo);
            request.BindComboBox(IcmpOption, IcmpComboBox);
            request.BindComboBox(IgmpOption, IgmpComboBox);
            request.BindComboBox(TcpOption, TCPOptionComBo);
            request.BindComboBox(UdpOption, UDPOptionComBo);
            request.BindEdit(SrcPortMask, "%s", TCPUDPSrcMaskEdit);
            request.BindEdit(DstPortMask, "%s", TCPUDPDstPortMaskEdit);
            request.BindComboBox(TcpFlagBit, TCPFlagBitOptionComBo);
            request.BindEdit(TcpFlagBitMask, "%i", TCPFlagBitMaskEdit);
            request.BindComboBox(ProtocolIdOption, ProOptionComBo);
            request.BindEdit(ProtocolId, "%i", ProtoIDEdit);
            request.BindEdit(ProtocolIdMask, "%s", ProIDMaskEdit);
            request.BindComboBox(OwnerColumn, OwnerComboBox);
            request.BindEdit(SrcMacMask, "%s", SrcMacAddrMaskEdit);
            request.BindEdit(UnusedEntries, "%i", EntriesEdit);
        },
         .Options = SynchronousTableOptions(MaxProfiles),
         .RowStatusColumn = RowStatus,
         .RowStatusCombo = RowStatusComBo,
         .KeepsRowStatus = true,
         .KeyEdits = {IPIDEdit},
         .ClearedEdits = {IPIDEdit, IpAddMaskSrcEdit, IpAddMaskDstEdit, TCPUDPSrcMaskEdit, TCPUDPDstPortMaskEdit,
                          TCPFlagBitMaskEdit, ProIDMaskEdit, ProtoIDEdit, SrcMacAddrMaskEdit, EntriesEdit}});
    VlanComboBox->SetText("enabled");
    IpAddMaskStateComboBox->SetText("other");
    UseDSCPComBo->SetText("disabled");
    UseProTypeComBo->SetText("none");
    IcmpComboBox->SetText("none");
    IgmpComboBox->SetText("disable");
    TCPOptionComBo->SetText("other");
    UDPOptionComBo->SetText("other");
    TCPFlagBitOptionComBo->SetText("disable");
    ProOptionComBo->SetText("disable");
    Profiles.SelectRowStatus(RowStatusValue::CreateAndGo);
    OwnerComboBox->SetText("acl");
    Profiles.Reread();
    AfterWrite();
}

void TIPMaskInformationForm::ResetEditors() {
    ClearEditors();
    OwnerComboBox->SetText("acl");
}

// Add enabled, Delete disabled, the profile ID open again, the editors reset.
void TIPMaskInformationForm::AfterWrite() {
    ShowRowCount();
    ResetRowButtons();
    SetEditorEnabled(IPIDEdit, true);
    ResetEditors();
}

void TIPMaskInformationForm::RowSelectionChanged(bool selected) {
    if (!selected) ResetEditors();
}

void TIPMaskInformationForm::BT_GetClick() {
    Profiles.Reread();
    AfterWrite();
}

bool TIPMaskInformationForm::CheckProfile() {
    const auto refuse = [this](const char* message, ui::Edit* edit) {
        RefuseInput(this, message, edit);
        return false;
    };
    const auto validIp = [this](ui::Edit* edit) { return CheckIpEdit(this, edit, IpMessage); };
    const auto hexMask = [this](ui::Edit* edit, int digits) { return CheckHexEdit(this, edit, digits, MaskMessage); };
    const auto inRange = [](ui::Edit* edit, int high) {
        const long long value = TextToIntDef(edit->Text(), -1);
        return value >= 0 && value <= high;
    };
    const std::string state = IpAddMaskStateComboBox->Text();
    const std::string type = UseProTypeComBo->Text();
    const std::string tcp = TCPOptionComBo->Text();
    const std::string udp = UDPOptionComBo->Text();
    const auto filled = [](ui::Edit* edit) { return !edit->Text().empty(); };

    if (IPIDEdit->Text().empty()) return refuse("IP Mask ID must be set.", IPIDEdit);
    if (OneOf(state, {"src-ip-addr", "dst-src-ip-addr"}) && filled(IpAddMaskSrcEdit) && !validIp(IpAddMaskSrcEdit))
        return false;
    if (OneOf(state, {"dst-ip-addr", "dst-src-ip-addr"}) && filled(IpAddMaskDstEdit) && !validIp(IpAddMaskDstEdit))
        return false;
    if (type == "protocolId") {
        if (ProOptionComBo->Text() == "enable" && filled(ProIDMaskEdit) && !hexMask(ProIDMaskEdit, 8)) return false;
        if (filled(ProtoIDEdit) && !inRange(ProtoIDEdit, 255)) return refuse(ValueMessage, ProtoIDEdit);
    }
    if (OneOf(type, {"tcp", "udp"})) {
        const bool dst = OneOf(tcp, {"dst-addr", "dst-src-addr"}) || OneOf(udp, {"dst-addr", "dst-src-addr"});
        const bool src = OneOf(tcp, {"src-addr", "dst-src-addr"}) || OneOf(udp, {"src-addr", "dst-src-addr"});
        if (dst && filled(TCPUDPDstPortMaskEdit) && !hexMask(TCPUDPDstPortMaskEdit, 4)) return false;
        if (src && filled(TCPUDPSrcMaskEdit) && !hexMask(TCPUDPSrcMaskEdit, 4)) return false;
    }
    if (type == "tcp" && TCPFlagBitOptionComBo->Text() == "enable" && filled(TCPFlagBitMaskEdit) &&
        !inRange(TCPFlagBitMaskEdit, 63))
        return refuse(ValueMessage, TCPFlagBitMaskEdit);
    return true;
}

void TIPMaskInformationForm::BT_AddClick() {
    if (!CheckProfile()) return;
    if (ListHasKey(*ListView1, IPIDEdit->Text()))
        return RefuseInput(this, "There is already a record with the same IP Mask ID. Please modified it.", IPIDEdit);
    Profiles.SelectRowStatus(RowStatusValue::CreateAndGo);
    WriteProfile();
}

void TIPMaskInformationForm::WriteProfile() {
    ProfileChoices choices{
        IpAddMaskStateComboBox->Text(), UseProTypeComBo->Text(),       IcmpComboBox->Text(),   TCPOptionComBo->Text(),
        UDPOptionComBo->Text(),         TCPFlagBitOptionComBo->Text(), ProOptionComBo->Text(), {}};
    const std::pair<int, ui::Edit*> optional[] = {
        {TcpFlagBitMask, TCPFlagBitMaskEdit}, {SrcIpMask, IpAddMaskSrcEdit},        {DstIpMask, IpAddMaskDstEdit},
        {SrcPortMask, TCPUDPSrcMaskEdit},     {DstPortMask, TCPUDPDstPortMaskEdit}, {ProtocolId, ProtoIDEdit},
        {ProtocolIdMask, ProIDMaskEdit},
    };
    for (const auto& [column, edit] : optional)
        if (edit->Text().empty()) choices.EmptyColumns.insert(column);
    std::string failure;
    try {
        Profiles.Send(ProfileColumnsLeftOut(choices));
    } catch (const Exception& error) {
        failure = error.Message;
    }
    Profiles.Reread();
    AfterWrite();
    // After the re-read, whose status line would cover it.
    if (!failure.empty()) Profiles.ShowError(failure);
}

void TIPMaskInformationForm::BT_DeleteClick() {
    Profiles.DeleteRow();
    AfterWrite();
}
