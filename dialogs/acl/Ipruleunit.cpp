#include "Ipruleunit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <algorithm>
#include <map>

TIPRuleForm* IPRuleForm = nullptr;

namespace {

const CatalogTable& RuleTable = Oid_acl::E_12_9_3_2_1;

enum Column {
    ProfileIdColumn,
    AccessIdColumn,
    RuleVlan,
    SourceIp,
    DestIp,
    Dscp,
    Protocol,
    Icmp,
    Igmp,
    SourcePort,
    DestPort,
    FlagBits,
    ProtocolId,
    UserMask,
    EnablePriority,
    Priority,
    ReplacePriority,
    EnableReplaceDscp,
    ReplaceDscp,
    Permit,
    PortList,
    RxRate,
    RowStatus,
    TimeRangeName,
    SourceMac,
    OwnerColumn,
    IcmpType,
    IcmpCode,
    MirrorGroup,
};

// Profiles 1-14 with access IDs 1-128 each: the most rules the table can hold.
constexpr int MaxRules = 14 * 128;

// The columns that do not belong to a protocol.
const std::map<std::string, std::vector<int>> ForeignToProtocol = {
    {"none", {Protocol, Icmp, Igmp, SourcePort, DestPort, FlagBits, ProtocolId, UserMask}},
    {"icmp", {Igmp, SourcePort, DestPort, FlagBits, ProtocolId, UserMask}},
    {"igmp", {Icmp, SourcePort, DestPort, FlagBits, ProtocolId, UserMask}},
    {"tcp", {Icmp, Igmp, ProtocolId, UserMask}},
    {"udp", {Icmp, Igmp, FlagBits, ProtocolId, UserMask}},
    {"protocolId", {Icmp, Igmp, SourcePort, DestPort, FlagBits}},
};

void Tick(ui::CheckBox* box, bool checked, bool enabled) {
    box->SetChecked(checked);
    box->SetEnabled(enabled);
}

}  // namespace

TIPRuleForm::TIPRuleForm(ui::Component* owner) : TDedicatedForm(owner, 820, 760), Rules(AddTable()) {
    SetName("IPRuleForm");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    GetButton = NewRoleButton(ButtonRole::Refresh, "GetButton", [this] { GetButtonClick(); });
    EditButton = NewRoleButton(ButtonRole::Set, "EditButton", "Edit", [this] { EditButtonClick(); });
    AddButton = NewRoleButton(ButtonRole::Add, "AddButton", [this] { AddButtonClick(); });
    DeleteButton = NewRoleButton(ButtonRole::Delete, "DeleteButton", [this] { DeleteButtonClick(); });
    CheckButton = NewRoleButton(ButtonRole::CheckAll, "CheckButton", [this] { CheckButtonClick(CheckButton); });
    UncheckButton =
        NewRoleButton(ButtonRole::ClearChecks, "UncheckButton", [this] { UncheckButtonClick(UncheckButton); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildEditors();
}

void TIPRuleForm::BuildEditors() {
    constexpr int Rows = 14;
    BuildTableArea("ListView1", 160, true, EditorGrid::RowHeight * Rows + 16);
    ListView1 = TableList;
    EditorGrid grid(this, EditorPanel, 360, 150);
    IPRuleEdit = grid.Edit(0, 0, "IPRuleEdit", "IP Rule ID", 80);
    AccessIDEdit = grid.Edit(0, 1, "AccessIDEdit", "IP Rule Access ID", 80);
    cbxVlan = grid.ApplyBox(0, 2, "cbxVlan", "VLAN Name");
    VLANEdit = grid.Edit(0, 2, "VLANEdit", "");
    cbxSourceIP = grid.ApplyBox(0, 3, "cbxSourceIP");
    SourceIPEdit = grid.Edit(0, 3, "SourceIPEdit", "Source IP Address");
    cbxDestIP = grid.ApplyBox(0, 4, "cbxDestIP");
    DestIPEdit = grid.Edit(0, 4, "DestIPEdit", "Destination IP address");
    cbxDscp = grid.ApplyBox(0, 5, "cbxDscp");
    DSCPEdit = grid.Edit(0, 5, "DSCPEdit", "DSCP");
    cbxProtocol = grid.ApplyBox(0, 6, "cbxProtocol");
    ProtocolComboBox = grid.Combo(0, 6, "ProtocolComboBox", "Rule Protocol");
    cbxRuleIcmp = grid.ApplyBox(0, 7, "cbxRuleIcmp");
    RuleIcmpComboBox = grid.Combo(0, 7, "RuleIcmpComboBox", "Rule ICMP");
    cbxRuleIgmp = grid.ApplyBox(0, 8, "cbxRuleIgmp");
    RuleIgmpComboBox = grid.Combo(0, 8, "RuleIgmpComboBox", "Rule IGMP");
    cbxSourcePort = grid.ApplyBox(0, 9, "cbxSourcePort");
    SourcePortEdit = grid.Edit(0, 9, "SourcePortEdit", "Source Port");
    cbxDestPort = grid.ApplyBox(0, 10, "cbxDestPort");
    DestPortEdit = grid.Edit(0, 10, "DestPortEdit", "Destination Port");
    cbxFBs = grid.ApplyBox(0, 11, "cbxFBs");
    FlagEdit = grid.Edit(0, 11, "FlagEdit", "Flag Bits");
    cbxProtocolID = grid.ApplyBox(0, 12, "cbxProtocolID");
    ProtocolIDEdit = grid.Edit(0, 12, "ProtocolIDEdit", "Protocol ID");
    cbxUserMask = grid.ApplyBox(0, 13, "cbxUserMask");
    UserMaskEdit = grid.Edit(0, 13, "UserMaskEdit", "User Mask");

    cbxPermit = grid.ApplyBox(1, 0, "cbxPermit");
    PermitComboBox = grid.Combo(1, 0, "PermitComboBox", "Permit");
    cbxEnablePriority = grid.ApplyBox(1, 1, "cbxEnablePriority");
    PriorityComboBox = grid.Combo(1, 1, "PriorityComboBox", "Enable Priority");
    cbxPriority = grid.ApplyBox(1, 2, "cbxPriority");
    PriorityEdit = grid.Edit(1, 2, "PriorityEdit", "Priority");
    cbxReplacePriority = grid.ApplyBox(1, 3, "cbxReplacePriority");
    ReplaceComboBox = grid.Combo(1, 3, "ReplaceComboBox", "Replace Priority");
    cbxEnableReplaceDscp = grid.ApplyBox(1, 4, "cbxEnableReplaceDscp");
    EnableReplComboBox = grid.Combo(1, 4, "EnableReplComboBox", "Replace DSCP State");
    cbxValue = grid.ApplyBox(1, 5, "cbxValue");
    DSCPValueEdit = grid.Edit(1, 5, "DSCPValueEdit", "Replace DSCP Value");
    cbxRxRate = grid.ApplyBox(1, 6, "cbxRxRate");
    RxRateEdit = grid.Edit(1, 6, "RxRateEdit", "RX Rate");
    MirrorIDCheckBox = grid.ApplyBox(1, 7, "MirrorIDCheckBox");
    MirrorIDEdit = grid.Edit(1, 7, "MirrorIDEdit", "Mirror Group ID");
    cbxTimeRange = grid.ApplyBox(1, 8, "cbxTimeRange");
    edtTimeRange = grid.Edit(1, 8, "edtTimeRange", "Time Range");
    cbxType = grid.ApplyBox(1, 9, "cbxType", "Type");
    TypeEdit = grid.Edit(1, 9, "TypeEdit", "");
    cbxCode = grid.ApplyBox(1, 10, "cbxCode", "Code");
    CodeEdit = grid.Edit(1, 10, "CodeEdit", "");
    OwnerComboBox = grid.Combo(1, 11, "OwnerComboBox", "Owner");
    SrcMacAddressEdit = grid.Edit(1, 12, "SrcMacAddressEdit", "Source MAC Address");
    RowComboBox = grid.Combo(1, 13, "RowComboBox", "");
    RowComboBox->Hide();
    ShowsOnly({OwnerComboBox, SrcMacAddressEdit});

    // In the order the checks of a write run; the mirror group has a message of its own (CheckRule).
    constexpr BoxTouch WhenEnabled = BoxTouch::WhenEnabled, Never = BoxTouch::Never;
    fields_ = AclRuleFields({
        {{cbxVlan, RuleVlan, VLANEdit}},
        {{cbxSourceIP, SourceIp, SourceIPEdit, [this] { return ValidIp(SourceIPEdit); }}},
        {{cbxDestIP, DestIp, DestIPEdit, [this] { return ValidIp(DestIPEdit); }}},
        {{cbxDscp, Dscp, DSCPEdit}},
        {{cbxProtocol, Protocol, ProtocolComboBox}},
        {{cbxRuleIcmp, Icmp, RuleIcmpComboBox}},
        {{cbxRuleIgmp, Igmp, RuleIgmpComboBox}},
        {{cbxSourcePort, SourcePort, SourcePortEdit}},
        {{cbxDestPort, DestPort, DestPortEdit}},
        {{cbxFBs, FlagBits, FlagEdit}},
        {{cbxProtocolID, ProtocolId, ProtocolIDEdit}},
        {{cbxUserMask, UserMask, UserMaskEdit, [this] { return ValidUserMask(); }}},
        {{cbxEnablePriority, EnablePriority, PriorityComboBox}, WhenEnabled},
        {{cbxPriority, Priority, PriorityEdit}, WhenEnabled, WhenEnabled, WhenEnabled},
        {{cbxReplacePriority, ReplacePriority, ReplaceComboBox}, WhenEnabled, WhenEnabled, WhenEnabled},
        {{cbxEnableReplaceDscp, EnableReplaceDscp, EnableReplComboBox}, WhenEnabled},
        {{cbxValue, ReplaceDscp, DSCPValueEdit}, WhenEnabled},
        {{cbxPermit, Permit, PermitComboBox}},
        {{cbxRxRate, RxRate, RxRateEdit, [this] { return action_.RxRateInRange(this); }}, WhenEnabled},
        {{cbxTimeRange, TimeRangeName, edtTimeRange}},
        {{cbxType, IcmpType, TypeEdit}},
        {{cbxCode, IcmpCode, CodeEdit}},
        {{MirrorIDCheckBox, MirrorGroup}, WhenEnabled, Never, Never},
    });
    action_ = AclRuleAction({.Permit = PermitComboBox,
                             .PermitBox = cbxPermit,
                             .EnablePriority = PriorityComboBox,
                             .EnablePriorityBox = cbxEnablePriority,
                             .Priority = PriorityEdit,
                             .PriorityBox = cbxPriority,
                             .ReplacePriority = ReplaceComboBox,
                             .ReplacePriorityBox = cbxReplacePriority,
                             .EnableReplaceDscp = EnableReplComboBox,
                             .EnableReplaceDscpBox = cbxEnableReplaceDscp,
                             .ReplaceDscp = DSCPValueEdit,
                             .ReplaceDscpBox = cbxValue,
                             .RxRate = RxRateEdit,
                             .RxRateBox = cbxRxRate,
                             .MirrorGroup = MirrorIDEdit,
                             .MirrorGroupBox = MirrorIDCheckBox},
                            {.EnablePriority = EnablePriority,
                             .Priority = Priority,
                             .ReplacePriority = ReplacePriority,
                             .EnableReplaceDscp = EnableReplaceDscp,
                             .ReplaceDscp = ReplaceDscp,
                             .RxRate = RxRate,
                             .MirrorGroup = MirrorGroup});

    PermitComboBox->OnChange = [this](ui::Component* sender) { PermitComboBoxChange(sender); };
    PriorityComboBox->OnChange = [this](ui::Component* sender) { PriorityComboBoxChange(sender); };
    EnableReplComboBox->OnChange = [this](ui::Component* sender) { EnableReplComboBoxChange(sender); };
}

void TIPRuleForm::FormCreate(ui::Component*) {
    Ports = AddPortPage("Ports");
    OpenRowTable(
        Rules, {.Table = &RuleTable,
                .KeyCount = 2,
                .Bind =
                    [this](DialogRequest& request) {
                        request.BindEdit(ProfileIdColumn, "%i{n1x14}", IPRuleEdit);
                        request.BindEdit(AccessIdColumn, "%i{n1x128}", AccessIDEdit);
                        request.BindEdit(RuleVlan, "%s{l32}", VLANEdit);
                        request.BindEdit(SourceIp, "%s{l16}", SourceIPEdit);
                        request.BindEdit(DestIp, "%s{l16}", DestIPEdit);
                        request.BindEdit(Dscp, "%i{n0x63l2}", DSCPEdit);
                        request.BindComboBox(Protocol, ProtocolComboBox);
                        request.BindComboBox(Icmp, RuleIcmpComboBox);
                        request.BindComboBox(Igmp, RuleIgmpComboBox);
                        request.BindEdit(SourcePort, "%i{n0x65535l5}", SourcePortEdit);
                        request.BindEdit(DestPort, "%i{n0x65535l5}", DestPortEdit);
                        request.BindEdit(FlagBits, "%i{n0x63l2}", FlagEdit);
                        request.BindEdit(ProtocolId, "%i{n0x255l3}", ProtocolIDEdit);
                        request.BindEdit(UserMask, "%s", UserMaskEdit);
                        request.BindComboBox(EnablePriority, PriorityComboBox);
                        request.BindEdit(Priority, "%i{n0x7l1}", PriorityEdit);
                        request.BindComboBox(ReplacePriority, ReplaceComboBox);
                        request.BindComboBox(EnableReplaceDscp, EnableReplComboBox);
                        request.BindEdit(ReplaceDscp, "%i{n0x63l2}", DSCPValueEdit);
                        request.BindComboBox(Permit, PermitComboBox);
                        BindPorts(request, PortList, Ports);
                        request.BindEdit(RxRate, "%i{n0x156249}", RxRateEdit);
                        request.BindEdit(TimeRangeName, "%s", edtTimeRange);
                        request.BindEdit(SourceMac, "%s", SrcMacAddressEdit);
                        request.BindComboBox(OwnerColumn, OwnerComboBox);
                        request.BindEdit(IcmpType, "%i{n0x255}", TypeEdit);
                        request.BindEdit(IcmpCode, "%i{n0x255}", CodeEdit);
                        request.BindEdit(MirrorGroup, "%i{n1x4l1}", MirrorIDEdit);
                    },
                .Options = SynchronousTableOptions(MaxRules),
                .RowStatusColumn = RowStatus,
                .RowStatusCombo = RowComboBox,
                .KeepsRowStatus = true,
                .KeyEdits = {IPRuleEdit, AccessIDEdit},
                .ClearedEdits = {IPRuleEdit, AccessIDEdit, VLANEdit, SourceIPEdit, DestIPEdit, DSCPEdit, SourcePortEdit,
                                 DestPortEdit, FlagEdit, ProtocolIDEdit, UserMaskEdit, PriorityEdit, DSCPValueEdit,
                                 RxRateEdit, edtTimeRange, SrcMacAddressEdit, TypeEdit, CodeEdit}});
    ClearEditors();
    ProtocolComboBox->SetText("none");
    RuleIcmpComboBox->SetText("disabled");
    RuleIgmpComboBox->SetText("disabled");
    PriorityComboBox->SetText("disabled");
    ReplaceComboBox->SetText("disabled");
    EnableReplComboBox->SetText("disabled");
    PermitComboBox->SetText("permit");
    PermitComboBoxChange(PermitComboBox);
    Rules.SelectRowStatus(RowStatusValue::CreateAndGo);
    OwnerComboBox->SetText("acl");
    ResetRowButtons();
    Rules.Reread();
    ShowRowCount();
}

// ------------------------------------------------------------------------------------------------ states

void TIPRuleForm::PermitComboBoxChange(ui::Component*) { action_.ActionChanged(); }

void TIPRuleForm::PriorityComboBoxChange(ui::Component*) { action_.PriorityChanged(); }

void TIPRuleForm::EnableReplComboBoxChange(ui::Component*) { action_.ReplaceDscpChanged(); }

void TIPRuleForm::ResetEditors() {
    ClearEditors();
    fields_.ResetChecks();
    for (ui::Control* control :
         std::initializer_list<ui::Control*>{ProtocolComboBox, cbxProtocol, cbxType, TypeEdit, CodeEdit, cbxCode})
        SetEditorEnabled(control, true);
    ShowRowCount();
}

void TIPRuleForm::RowSelectionChanged(bool selected) {
    if (selected) {
        const ui::ListItem* row = ListView1->Selected();
        IPRuleEdit->SetText(row->Caption());
        AccessIDEdit->SetText(row->SubItems().Count() > 0 ? row->SubItems()[0] : std::string());
    }
    SetEditorEnabled(ProtocolComboBox, !selected);
    Tick(cbxProtocol, false, !selected);
    PriorityComboBoxChange(PriorityComboBox);
    for (ui::CheckBox* box : {cbxType, cbxCode}) Tick(box, false, !selected);
    SetEditorEnabled(TypeEdit, !selected);
    SetEditorEnabled(CodeEdit, !selected);
    if (!selected) ResetEditors();
}

void TIPRuleForm::CheckButtonClick(ui::Component*) { fields_.CheckAll(); }

void TIPRuleForm::UncheckButtonClick(ui::Component*) { fields_.ClearChecks(); }

// ------------------------------------------------------------------------------------------------ checks

bool TIPRuleForm::ValidIp(ui::Edit* edit) { return CheckIpEdit(this, edit, "Please input a valid ip"); }

bool TIPRuleForm::ValidUserMask() { return CheckHexEdit(this, UserMaskEdit, 8, "Invalid User Mask"); }

bool TIPRuleForm::CheckRule() {
    if (IPRuleEdit->Text().empty()) return RefuseInput(this, "IP Rule ID must be set.", IPRuleEdit), false;
    if (AccessIDEdit->Text().empty()) return RefuseInput(this, "IP Rule Access ID must be set.", AccessIDEdit), false;
    if (!fields_.Boxes().TickedEditorsPass(this, "Some checked field is empty")) return false;
    if (MirrorIDCheckBox->Checked() && MirrorIDEdit->Text().empty())
        return RefuseInput(this, "Mirror Group ID checked but it is empty", MirrorIDEdit), false;
    return RuleHasPort(this, Ports);
}

// ------------------------------------------------------------------------------------------------ writes

std::vector<int> TIPRuleForm::ColumnsLeftOut() const {
    std::vector<int> out = fields_.UncheckedColumns();
    const std::vector<int> deny = action_.DenyLeftOut();
    out.insert(out.end(), deny.begin(), deny.end());
    if (cbxProtocol->Checked()) {
        const auto foreign = ForeignToProtocol.find(ProtocolComboBox->Text());
        if (foreign != ForeignToProtocol.end()) out.insert(out.end(), foreign->second.begin(), foreign->second.end());
    }
    const std::vector<int> priority = action_.PriorityLeftOut(*ListView1);
    out.insert(out.end(), priority.begin(), priority.end());
    return out;
}

void TIPRuleForm::WriteRule() {
    const std::vector<int> leftOut = ColumnsLeftOut();
    Rules.Write([&] { Rules.Send(leftOut); });
    AfterWrite();
}

// Edit and Delete disabled, Add and the IDs open again.
void TIPRuleForm::OpenForAdd() {
    ResetRowButtons();
    SetEditorEnabled(IPRuleEdit, true);
    SetEditorEnabled(AccessIDEdit, true);
}

void TIPRuleForm::AfterWrite() {
    OpenForAdd();
    ResetEditors();
}

void TIPRuleForm::GetButtonClick() {
    Rules.Reread();
    OpenForAdd();
    PermitComboBoxChange(PermitComboBox);
    ResetEditors();
}

void TIPRuleForm::AddButtonClick() {
    if (!CheckRule()) return;
    const std::string accessId = AccessIDEdit->Text();
    if (ListHasKey(*ListView1, IPRuleEdit->Text(), &accessId))
        return RefuseInput(this,
                           "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.",
                           IPRuleEdit);
    if (!cbxPermit->Checked()) return RefuseInput(this, "Permit option must be checked.", PermitComboBox);
    Rules.SelectRowStatus(RowStatusValue::CreateAndGo);
    WriteRule();
}

void TIPRuleForm::EditButtonClick() {
    if (!ListView1->Selected() || !CheckRule()) return;
    WriteRule();
}

void TIPRuleForm::DeleteButtonClick() {
    Rules.DeleteRow();
    AfterWrite();
}
