#include "Ipv6ruleinfoformunit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

TIpv6RuleForm* Ipv6RuleForm = nullptr;

namespace {

const CatalogTable& RuleTable = Oid_acl::E_12_9_3_4_1;

enum Column {
    ProfileIdColumn,
    AccessIdColumn,
    Class,
    Flowlabel,
    SourceAddress,
    DestAddress,
    EnablePriority,
    Priority,
    ReplacePriority,
    Permit,
    PortList,
    RxRate,
    RowStatus,
    TimeRangeName,
    OwnerColumn,
    Protocol,
    SourcePort,
    DestPort,
    MirrorGroup,
};

constexpr const char* EmptyMessage = "Some checked field is empty";

}  // namespace

TIpv6RuleForm::TIpv6RuleForm(ui::Component* owner) : TDedicatedForm(owner, 860, 680), Rules(AddTable()) {
    SetName("Ipv6RuleForm");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    GetButton = NewRoleButton(ButtonRole::Refresh, "GetButton", [this] { GetButtonClick(); });
    EditButton = NewRoleButton(ButtonRole::Set, "EditButton", "Edit", [this] { EditButtonClick(); });
    AddButton = NewRoleButton(ButtonRole::Add, "AddButton", [this] { AddButtonClick(); });
    DeleteButton = NewRoleButton(ButtonRole::Delete, "DeleteButton", [this] { DeleteButtonClick(); });
    CheckButton = NewRoleButton(ButtonRole::CheckAll, "CheckButton", [this] { fields_.CheckAll(); });
    UncheckButton = NewRoleButton(ButtonRole::ClearChecks, "UncheckButton", [this] { fields_.ClearChecks(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildEditors();
    BuildFields();
}

void TIpv6RuleForm::BuildEditors() {
    constexpr int Rows = 9;
    BuildTableArea("ListView1", 160, true, EditorGrid::RowHeight * Rows + 16);
    ListView1 = TableList;
    EditorGrid grid(this, EditorPanel, 420, 150);
    edtRuleID = grid.Edit(0, 0, "edtRuleID", "Profile ID", 80);
    edtRuleAccessID = grid.Edit(0, 1, "edtRuleAccessID", "Access ID", 80);
    cbxRuleClass = grid.ApplyBox(0, 2, "cbxRuleClass");
    edtRuleClass = grid.Edit(0, 2, "edtRuleClass", "Class (0-255)", 80);
    cbxRuleFlowlabel = grid.ApplyBox(0, 3, "cbxRuleFlowlabel");
    edtRuleFlowlabel = grid.Edit(0, 3, "edtRuleFlowlabel", "Flowlabel (0-FFFFF)", 80);
    cbxRuleSrcIpv6addr = grid.ApplyBox(0, 4, "cbxRuleSrcIpv6addr");
    edtRuleSrcIpv6addr = grid.Edit(0, 4, "edtRuleSrcIpv6addr", "Source IPv6 Address", 240);
    cbxRuleDstIpv6addr = grid.ApplyBox(0, 5, "cbxRuleDstIpv6addr");
    edtRuleDstIpv6addr = grid.Edit(0, 5, "edtRuleDstIpv6addr", "Destination IPv6 Address", 240);
    ProtocolCheckBox = grid.ApplyBox(0, 6, "ProtocolCheckBox");
    cbxProtocol = grid.Combo(0, 6, "cbxProtocol", "Protocol");
    SourcePortCheckBox = grid.ApplyBox(0, 7, "SourcePortCheckBox");
    edtSourcePort = grid.Edit(0, 7, "edtSourcePort", "Source Port", 80);
    DestinationPortCheckBox = grid.ApplyBox(0, 8, "DestinationPortCheckBox");
    edtDestinationPort = grid.Edit(0, 8, "edtDestinationPort", "Destination Port", 80);

    cbxPermit = grid.ApplyBox(1, 0, "cbxPermit");
    PermitComboBox = grid.Combo(1, 0, "PermitComboBox", "Permit");
    cbxEnablePriority = grid.ApplyBox(1, 1, "cbxEnablePriority");
    PriorityComboBox = grid.Combo(1, 1, "PriorityComboBox", "Enable Priority");
    cbxPriority = grid.ApplyBox(1, 2, "cbxPriority");
    PriorityEdit = grid.Edit(1, 2, "PriorityEdit", "Priority");
    cbxReplacePriority = grid.ApplyBox(1, 3, "cbxReplacePriority");
    ReplaceComboBox = grid.Combo(1, 3, "ReplaceComboBox", "Replace Priority");
    cbxRxRate = grid.ApplyBox(1, 4, "cbxRxRate");
    RxRateEdit = grid.Edit(1, 4, "RxRateEdit", "RX Rate");
    MirrorGroupIDCheckBox = grid.ApplyBox(1, 5, "MirrorGroupIDCheckBox");
    edtMirrorGroupID = grid.Edit(1, 5, "edtMirrorGroupID", "Mirror Group ID");
    cbxTimeRange = grid.ApplyBox(1, 6, "cbxTimeRange");
    edtTimeRange = grid.Edit(1, 6, "edtTimeRange", "Time Range");
    OwnerComboBox = grid.Combo(1, 7, "OwnerComboBox", "Owner");
    cbxRow = grid.ApplyBox(1, 8, "cbxRow");
    RowComboBox = grid.Combo(1, 8, "RowComboBox", "");
    cbxRow->SetChecked(true);
    cbxRow->Hide();
    RowComboBox->Hide();
    ShowsOnly({OwnerComboBox});

    PermitComboBox->OnChange = [this](ui::Component*) { PermitChanged(); };
    PriorityComboBox->OnChange = [this](ui::Component*) { action_.PriorityChanged(); };
    cbxProtocol->OnChange = [this](ui::Component*) { ProtocolChanged(); };
}

void TIpv6RuleForm::BuildFields() {
    constexpr BoxTouch WhenEnabled = BoxTouch::WhenEnabled, Never = BoxTouch::Never, Always = BoxTouch::Always;
    // In the order the checks of a write run; the flow label has checks of its own (CheckRule).
    fields_ = AclRuleFields({
        {{cbxRuleClass, Class, edtRuleClass}},
        {{cbxRuleFlowlabel, Flowlabel}},
        {{cbxRuleSrcIpv6addr, SourceAddress, edtRuleSrcIpv6addr, [this] { return ValidAddress(edtRuleSrcIpv6addr); }}},
        {{cbxRuleDstIpv6addr, DestAddress, edtRuleDstIpv6addr, [this] { return ValidAddress(edtRuleDstIpv6addr); }}},
        {{cbxEnablePriority, EnablePriority, PriorityComboBox}, WhenEnabled},
        {{cbxPriority, Priority, PriorityEdit}, WhenEnabled, WhenEnabled, WhenEnabled},
        {{cbxReplacePriority, ReplacePriority, ReplaceComboBox}, WhenEnabled, WhenEnabled, WhenEnabled},
        {{cbxPermit, Permit, PermitComboBox}},
        {{cbxRxRate, RxRate, RxRateEdit, [this] { return action_.RxRateInRange(this); }}, Never, Never, Always},
        {{cbxTimeRange, TimeRangeName, edtTimeRange}},
        {{cbxRow, RowStatus, RowComboBox}, Always, Never, Never},
        {{ProtocolCheckBox, Protocol, cbxProtocol}},
        {{MirrorGroupIDCheckBox, MirrorGroup, edtMirrorGroupID}, WhenEnabled},
        {{SourcePortCheckBox, SourcePort, edtSourcePort}, WhenEnabled},
        {{DestinationPortCheckBox, DestPort, edtDestinationPort}, WhenEnabled},
    });
    action_ = AclRuleAction({.Permit = PermitComboBox,
                             .PermitBox = cbxPermit,
                             .EnablePriority = PriorityComboBox,
                             .EnablePriorityBox = cbxEnablePriority,
                             .Priority = PriorityEdit,
                             .PriorityBox = cbxPriority,
                             .ReplacePriority = ReplaceComboBox,
                             .ReplacePriorityBox = cbxReplacePriority,
                             .RxRate = RxRateEdit,
                             .RxRateBox = cbxRxRate,
                             .MirrorGroup = edtMirrorGroupID,
                             .MirrorGroupBox = MirrorGroupIDCheckBox},
                            {.EnablePriority = EnablePriority,
                             .Priority = Priority,
                             .ReplacePriority = ReplacePriority,
                             .RxRate = RxRate,
                             .MirrorGroup = MirrorGroup});
}

void TIpv6RuleForm::FormCreate(ui::Component*) {
    Ports = AddPortPage("Ports");
    OpenRowTable(Rules, {.Table = &RuleTable,
                         .KeyCount = 2,
                         .Bind =
                             [this](DialogRequest& request) {
                                 request.BindEdit(ProfileIdColumn, "%i{n1x14l2}", edtRuleID);
                                 request.BindEdit(AccessIdColumn, "%i{n1x128}", edtRuleAccessID);
                                 request.BindEdit(Class, "%i{n0x255}", edtRuleClass);
                                 request.BindEdit(Flowlabel, "%h", edtRuleFlowlabel);
                                 request.BindEdit(SourceAddress, "%s{l32}", edtRuleSrcIpv6addr);
                                 request.BindEdit(DestAddress, "%s{l32}", edtRuleDstIpv6addr);
                                 request.BindComboBox(EnablePriority, PriorityComboBox);
                                 request.BindEdit(Priority, "%i{n0x7}", PriorityEdit);
                                 request.BindComboBox(ReplacePriority, ReplaceComboBox);
                                 request.BindComboBox(Permit, PermitComboBox);
                                 BindPorts(request, PortList, Ports);
                                 request.BindEdit(RxRate, "%i{n0x156249}", RxRateEdit);
                                 request.BindEdit(TimeRangeName, "%s", edtTimeRange);
                                 request.BindComboBox(OwnerColumn, OwnerComboBox);
                                 request.BindComboBox(Protocol, cbxProtocol);
                                 request.BindEdit(SourcePort, "%i{n0x65535}", edtSourcePort);
                                 request.BindEdit(DestPort, "%i{n0x65535}", edtDestinationPort);
                                 request.BindEdit(MirrorGroup, "%i{n1x4}", edtMirrorGroupID);
                             },
                         .Options = SynchronousTableOptions(),
                         .RowStatusColumn = RowStatus,
                         .RowStatusCombo = RowComboBox,
                         .KeepsRowStatus = true,
                         .KeyEdits = {edtRuleID, edtRuleAccessID},
                         .ClearedEdits = {edtRuleID, edtRuleAccessID, edtRuleClass, edtRuleFlowlabel,
                                          edtRuleSrcIpv6addr, edtRuleDstIpv6addr, PriorityEdit, RxRateEdit,
                                          edtTimeRange, edtSourcePort, edtDestinationPort, edtMirrorGroupID}});
    PriorityComboBox->SetText("disabled");
    ReplaceComboBox->SetText("disabled");
    PermitComboBox->SetText("permit");
    cbxProtocol->SetText("none");
    OwnerComboBox->SetText("acl");
    ResetEditors();
    ResetRowButtons();
    Rules.Reread();
    PermitChanged();
    ShowRowCount();
}

// ------------------------------------------------------------------------------------------------ states

// The action's controls; "permit" also opens the port fields its protocol uses.
void TIpv6RuleForm::PermitChanged() {
    action_.ActionChanged();
    if (PermitComboBox->Text() == "permit") ProtocolChanged();
}

void TIpv6RuleForm::ProtocolChanged() {
    const std::string protocol = cbxProtocol->Text();
    const bool ports = protocol == "tcp" || protocol == "udp";
    for (ui::CheckBox* box : {SourcePortCheckBox, DestinationPortCheckBox}) {
        if (!ports) box->SetChecked(false);
        box->SetEnabled(ports);
    }
    SetEditorEnabled(edtSourcePort, ports);
    SetEditorEnabled(edtDestinationPort, ports);
}

void TIpv6RuleForm::ResetEditors() {
    ClearEditors();
    Rules.SelectRowStatus(RowStatusValue::CreateAndGo);
    fields_.ResetChecks();
    ShowRowCount();
}

void TIpv6RuleForm::RowSelectionChanged(bool selected) {
    if (selected)
        PermitChanged();
    else
        ResetEditors();
}

// Edit and Delete disabled, Add and the IDs open again, the editors reset, the action's controls set.
void TIpv6RuleForm::AfterWrite() {
    ResetRowButtons();
    SetEditorEnabled(edtRuleID, true);
    SetEditorEnabled(edtRuleAccessID, true);
    ResetEditors();
    PermitChanged();
}

void TIpv6RuleForm::GetButtonClick() {
    Rules.Reread();
    AfterWrite();
}

// ------------------------------------------------------------------------------------------------ checks

bool TIpv6RuleForm::ValidFlowLabel() {
    if (edtRuleFlowlabel->Text().size() > 8)
        return RefuseInput(this, "The length of this value should be eight.", edtRuleFlowlabel), false;
    return CheckHexEdit(this, edtRuleFlowlabel, 8, "Invalid data!");
}

bool TIpv6RuleForm::ValidAddress(ui::Edit* edit) { return CheckHexEdit(this, edit, 32, "Invalid Ipv6 Address value"); }

bool TIpv6RuleForm::CheckRule() {
    if (edtRuleID->Text().empty()) return RefuseInput(this, "Rule ID must be set.", edtRuleID), false;
    if (edtRuleAccessID->Text().empty())
        return RefuseInput(this, "Rule Access ID must be set.", edtRuleAccessID), false;
    const bool classOrFlow = cbxRuleClass->Checked() || cbxRuleFlowlabel->Checked();
    const bool address = cbxRuleSrcIpv6addr->Checked() || cbxRuleDstIpv6addr->Checked();
    if (classOrFlow && address) return ShowMessage(this, "Can not set mutex data together"), false;
    if (cbxRuleClass->Checked() && EditorEmpty(edtRuleClass))
        return RefuseInput(this, EmptyMessage, edtRuleClass), false;
    if (cbxRuleFlowlabel->Checked() && !ValidFlowLabel()) return false;
    if (!fields_.Boxes().TickedEditorsPass(this, EmptyMessage)) return false;
    return RuleHasPort(this, Ports);
}

// ------------------------------------------------------------------------------------------------ writes

void TIpv6RuleForm::WriteRule() {
    std::vector<int> leftOut = fields_.UncheckedColumns();
    const std::vector<int> priority = action_.PriorityLeftOut(*ListView1);
    leftOut.insert(leftOut.end(), priority.begin(), priority.end());
    Rules.Write([&] { Rules.Send(leftOut); });
    AfterWrite();
}

void TIpv6RuleForm::AddButtonClick() {
    if (!CheckRule()) return;
    const std::string accessId = edtRuleAccessID->Text();
    if (ListHasKey(*ListView1, edtRuleID->Text(), &accessId))
        return RefuseInput(
            this, "Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of them.",
            edtRuleID);
    if (!cbxPermit->Checked()) return RefuseInput(this, "Permit option must be checked.", PermitComboBox);
    Rules.SelectRowStatus(RowStatusValue::CreateAndGo);
    WriteRule();
}

void TIpv6RuleForm::EditButtonClick() {
    if (!ListView1->Selected() || !CheckRule()) return;
    WriteRule();
}

void TIpv6RuleForm::DeleteButtonClick() {
    Rules.DeleteRow();
    AfterWrite();
}
