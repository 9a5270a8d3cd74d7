#include "Ethernetinformationruleunit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

TEthernetInformationRuleForm* EthernetInformationRuleForm = nullptr;

namespace {

const CatalogTable& RuleTable = Oid_acl::E_12_9_3_1_1;

enum Column {
    MaskIdColumn,
    AccessIdColumn,
    VlanName,
    SourceMac,
    DestMac,
    Dot1p,
    EthernetType,
    EnablePriority,
    Priority,
    ReplacePriority,
    PermitRule,
    RulePort,
    RxRate,
    RowStatus,
    TimeRangeName,
    RuleOwner,
    MirrorGroup,
    ReplaceDscpState,
    ReplaceDscpValue,
};

constexpr const char* MacMessage = "Invalid MAC Address";

}  // namespace

TEthernetInformationRuleForm::TEthernetInformationRuleForm(ui::Component* owner)
    : TDedicatedForm(owner, 820, 680), Rules(AddTable()) {
    SetName("EthernetInformationRuleForm");
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    GetButton = NewRoleButton(ButtonRole::Refresh, "GetButton", [this] { GetButtonClick(); });
    EditButton = NewRoleButton(ButtonRole::Set, "EditButton", "Edit", [this] { EditButtonClick(); });
    AddButton = NewRoleButton(ButtonRole::Add, "AddButton", [this] { AddButtonClick(); });
    DeleteButton = NewRoleButton(ButtonRole::Delete, "DeleteButton", [this] { DeleteButtonClick(); });
    AddCheckButton = NewRoleButton(ButtonRole::CheckAll, "AddCheckButton", [this] { fields_.CheckAll(); });
    CleanCheButton = NewRoleButton(ButtonRole::ClearChecks, "CleanCheButton", [this] { fields_.ClearChecks(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildEditors();
    BuildFields();
}

void TEthernetInformationRuleForm::BuildEditors() {
    constexpr int Rows = 9;
    BuildTableArea("ListView1", 160, true, EditorGrid::RowHeight * Rows + 16);
    ListView1 = TableList;
    EditorGrid grid(this, EditorPanel, 360, 150);
    MaskIDEdit = grid.Edit(0, 0, "MaskIDEdit", "Mask ID", 80);
    AccessEdit = grid.Edit(0, 1, "AccessEdit", "Access ID", 80);
    cbxVlan = grid.ApplyBox(0, 2, "cbxVlan");
    VlanRuleEdit = grid.Edit(0, 2, "VlanRuleEdit", "VLAN Name");
    cbxSource = grid.ApplyBox(0, 3, "cbxSource");
    SourceMACEdit = grid.Edit(0, 3, "SourceMACEdit", "Source MAC Address ");
    cbxDestination = grid.ApplyBox(0, 4, "cbxDestination");
    DestMACEdit = grid.Edit(0, 4, "DestMACEdit", "Destination MAC Address ");
    cbxIEEE802dot1P = grid.ApplyBox(0, 5, "cbxIEEE802dot1P");
    IEEE8021pEdit = grid.Edit(0, 5, "IEEE8021pEdit", "802.1p");
    cbxEtherType = grid.ApplyBox(0, 6, "cbxEtherType");
    EthTypeEdit = grid.Edit(0, 6, "EthTypeEdit", "Ethernet Type ");
    cbxTimeRange = grid.ApplyBox(0, 7, "cbxTimeRange");
    edtTimeRange = grid.Edit(0, 7, "edtTimeRange", "Time Range");
    RuleOwnerComboBox = grid.Combo(0, 8, "RuleOwnerComboBox", "Owner");

    cbxPermit = grid.ApplyBox(1, 0, "cbxPermit");
    PermitComboBox = grid.Combo(1, 0, "PermitComboBox", "Permit");
    cbxEnablePriority = grid.ApplyBox(1, 1, "cbxEnablePriority");
    EnablePriorityComboBox = grid.Combo(1, 1, "EnablePriorityComboBox", "Enable Priority");
    cbxPriority = grid.ApplyBox(1, 2, "cbxPriority");
    PriorityEdit = grid.Edit(1, 2, "PriorityEdit", "Priority");
    cbxReplacePriority = grid.ApplyBox(1, 3, "cbxReplacePriority");
    ReplacePriorityComboBox = grid.Combo(1, 3, "ReplacePriorityComboBox", "Replace Priority");
    cbxEnableReplaceDscp = grid.ApplyBox(1, 4, "cbxEnableReplaceDscp");
    EnableReplComboBox = grid.Combo(1, 4, "EnableReplComboBox", "Replace DSCP State");
    cbxValue = grid.ApplyBox(1, 5, "cbxValue");
    ReplaceDSCPEdit = grid.Edit(1, 5, "ReplaceDSCPEdit", "Replace DSCP Value");
    cbxRxRate = grid.ApplyBox(1, 6, "cbxRxRate");
    RxRateEdit = grid.Edit(1, 6, "RxRateEdit", "RX Rate");
    MirrorIDCheckBox = grid.ApplyBox(1, 7, "MirrorIDCheckBox");
    MirrorIDEdit = grid.Edit(1, 7, "MirrorIDEdit", "Mirror Group ID");
    RowComboBox = grid.Combo(1, 8, "RowComboBox", "");
    RowComboBox->Hide();
    ShowsOnly({RuleOwnerComboBox});

    PermitComboBox->OnChange = [this](ui::Component*) { action_.ActionChanged(); };
    EnablePriorityComboBox->OnChange = [this](ui::Component*) { action_.PriorityChanged(); };
    EnableReplComboBox->OnChange = [this](ui::Component*) { action_.ReplaceDscpChanged(); };
}

void TEthernetInformationRuleForm::BuildFields() {
    constexpr BoxTouch WhenEnabled = BoxTouch::WhenEnabled, Never = BoxTouch::Never, Always = BoxTouch::Always;
    // The boxes whose editor a write tests for emptiness first, in that order; the DSCP and mirror boxes after.
    fields_ = AclRuleFields({
        {{cbxVlan, VlanName, VlanRuleEdit}},
        {{cbxSource, SourceMac, SourceMACEdit}},
        {{cbxDestination, DestMac, DestMACEdit}},
        {{cbxIEEE802dot1P, Dot1p, IEEE8021pEdit}},
        {{cbxEtherType, EthernetType, EthTypeEdit}},
        {{cbxEnablePriority, EnablePriority, EnablePriorityComboBox}, WhenEnabled},
        {{cbxPriority, Priority, PriorityEdit}, WhenEnabled},
        {{cbxReplacePriority, ReplacePriority, ReplacePriorityComboBox}, WhenEnabled},
        {{cbxPermit, PermitRule, PermitComboBox}},
        {{cbxRxRate, RxRate, RxRateEdit}, WhenEnabled},
        {{cbxTimeRange, TimeRangeName, edtTimeRange}},
        {{MirrorIDCheckBox, MirrorGroup}, WhenEnabled, Always, Never},
        {{cbxEnableReplaceDscp, ReplaceDscpState}, WhenEnabled, Always, Never},
        {{cbxValue, ReplaceDscpValue}, WhenEnabled, Always, Never},
    });
    action_ = AclRuleAction({.Permit = PermitComboBox,
                             .PermitBox = cbxPermit,
                             .EnablePriority = EnablePriorityComboBox,
                             .EnablePriorityBox = cbxEnablePriority,
                             .Priority = PriorityEdit,
                             .PriorityBox = cbxPriority,
                             .ReplacePriority = ReplacePriorityComboBox,
                             .ReplacePriorityBox = cbxReplacePriority,
                             .EnableReplaceDscp = EnableReplComboBox,
                             .EnableReplaceDscpBox = cbxEnableReplaceDscp,
                             .ReplaceDscp = ReplaceDSCPEdit,
                             .ReplaceDscpBox = cbxValue,
                             .RxRate = RxRateEdit,
                             .RxRateBox = cbxRxRate,
                             .MirrorGroup = MirrorIDEdit,
                             .MirrorGroupBox = MirrorIDCheckBox},
                            {.EnablePriority = EnablePriority,
                             .Priority = Priority,
                             .ReplacePriority = ReplacePriority,
                             .EnableReplaceDscp = ReplaceDscpState,
                             .ReplaceDscp = ReplaceDscpValue,
                             .RxRate = RxRate,
                             .MirrorGroup = MirrorGroup});
}

void TEthernetInformationRuleForm::FormCreate(ui::Component*) {
    Ports = AddPortPage("Static Ports");
    OpenRowTable(Rules, {.Table = &RuleTable,
                         .KeyCount = 2,
                         .Bind =
                             [this](DialogRequest& request) {
                                 request.BindEdit(MaskIdColumn, "%i{n1x14}", MaskIDEdit);
                                 request.BindEdit(AccessIdColumn, "%i{n1x128}", AccessEdit);
                                 request.BindEdit(VlanName, "%s{l32}", VlanRuleEdit);
                                 request.BindEdit(SourceMac, "%s{l12}", SourceMACEdit);
                                 request.BindEdit(DestMac, "%s{l12}", DestMACEdit);
                                 request.BindEdit(Dot1p, "%i{n0x7}", IEEE8021pEdit);
                                 request.BindEdit(EthernetType, "%s{l4}", EthTypeEdit);
                                 request.BindComboBox(EnablePriority, EnablePriorityComboBox);
                                 request.BindEdit(Priority, "%i{n0x7}", PriorityEdit);
                                 request.BindComboBox(ReplacePriority, ReplacePriorityComboBox);
                                 request.BindComboBox(PermitRule, PermitComboBox);
                                 BindPorts(request, RulePort, Ports);
                                 request.BindEdit(RxRate, "%i{n0x156249}", RxRateEdit);
                                 request.BindEdit(TimeRangeName, "%s", edtTimeRange);
                                 request.BindComboBox(RuleOwner, RuleOwnerComboBox);
                                 request.BindEdit(MirrorGroup, "%i{n1x4l1}", MirrorIDEdit);
                                 request.BindComboBox(ReplaceDscpState, EnableReplComboBox);
                                 request.BindEdit(ReplaceDscpValue, "%i{n0x63l2}", ReplaceDSCPEdit);
                             },
                         .Options = SynchronousTableOptions(),
                         .RowStatusColumn = RowStatus,
                         .RowStatusCombo = RowComboBox,
                         .KeepsRowStatus = true,
                         .KeyEdits = {MaskIDEdit, AccessEdit},
                         .ClearedEdits = {MaskIDEdit, AccessEdit, VlanRuleEdit, SourceMACEdit, DestMACEdit,
                                          IEEE8021pEdit, EthTypeEdit, PriorityEdit, RxRateEdit, edtTimeRange}});
    ResetEditors();
    EnablePriorityComboBox->SetText("disabled");
    ReplacePriorityComboBox->SetText("disabled");
    EnableReplComboBox->SetText("disabled");
    PermitComboBox->SetText("permit");
    Rules.SelectRowStatus(RowStatusValue::CreateAndGo);
    RuleOwnerComboBox->SetText("acl");
    action_.PriorityChanged();
    ResetRowButtons();
    action_.ActionChanged();
    Rules.Reread();
    ShowRowCount();
}

// ------------------------------------------------------------------------------------------------ states

void TEthernetInformationRuleForm::ResetEditors() {
    ClearEditors();
    fields_.ResetChecks();
    ShowRowCount();
}

void TEthernetInformationRuleForm::RowSelectionChanged(bool selected) {
    if (selected) {
        const ui::ListItem* row = ListView1->Selected();
        MaskIDEdit->SetText(row->Caption());
        AccessEdit->SetText(row->SubItems().Count() > 0 ? row->SubItems()[0] : std::string());
    } else {
        ResetEditors();
    }
    action_.ActionChanged();
}

// Edit and Delete disabled, Add and the IDs open again, the editors reset, the action's controls set.
void TEthernetInformationRuleForm::AfterWrite() {
    ResetRowButtons();
    SetEditorEnabled(MaskIDEdit, true);
    SetEditorEnabled(AccessEdit, true);
    ResetEditors();
    action_.ActionChanged();
}

void TEthernetInformationRuleForm::GetButtonClick() {
    Rules.Reread();
    AfterWrite();
}

// ------------------------------------------------------------------------------------------------ checks

bool TEthernetInformationRuleForm::CheckRule() {
    if (MaskIDEdit->Text().empty()) return RefuseInput(this, "Mask ID must be set.", MaskIDEdit), false;
    if (AccessEdit->Text().empty()) return RefuseInput(this, "Access ID must be set.", AccessEdit), false;
    if (!fields_.Boxes().TickedEditorsPass(this, "Some check field is empty")) return false;
    if (cbxSource->Checked() && !CheckHexEdit(this, SourceMACEdit, 12, MacMessage)) return false;
    if (cbxDestination->Checked() && !CheckHexEdit(this, DestMACEdit, 12, MacMessage)) return false;
    if (cbxEtherType->Checked() && !CheckHexEdit(this, EthTypeEdit, 4, "Invalid Ethernet Type")) return false;
    if (cbxPriority->Checked()) {
        const long long priority = TextToIntDef(PriorityEdit->Text(), -1);
        if (priority < 0 || priority > 7)
            return RefuseInput(this, "Priority value should between 0-7", PriorityEdit), false;
    }
    if (cbxRxRate->Checked() && !action_.RxRateInRange(this)) return false;
    return RuleHasPort(this, Ports);
}

// ------------------------------------------------------------------------------------------------ writes

// The unchecked fields, for an Edit what a "deny" rule cannot carry, and the priority rule's columns.
std::vector<int> TEthernetInformationRuleForm::ColumnsLeftOut(bool editing) const {
    std::vector<int> out = fields_.UncheckedColumns();
    if (editing) {
        const std::vector<int> deny = action_.DenyLeftOut();
        out.insert(out.end(), deny.begin(), deny.end());
    }
    const std::vector<int> priority = action_.PriorityLeftOut(*ListView1);
    out.insert(out.end(), priority.begin(), priority.end());
    return out;
}

void TEthernetInformationRuleForm::WriteRule(bool editing) {
    const std::vector<int> leftOut = ColumnsLeftOut(editing);
    Rules.Write([&] { Rules.Send(leftOut); });
    AfterWrite();
}

void TEthernetInformationRuleForm::AddButtonClick() {
    if (!CheckRule()) return;
    const std::string accessId = AccessEdit->Text();
    if (ListHasKey(*ListView1, MaskIDEdit->Text(), &accessId))
        return RefuseInput(this,
                           "Has already a record with the same Mask ID and Access ID. Please change eithor of them.",
                           MaskIDEdit);
    if (!cbxPermit->Checked()) return RefuseInput(this, "Permit option must be checked.", PermitComboBox);
    Rules.SelectRowStatus(RowStatusValue::CreateAndGo);
    WriteRule(false);
}

void TEthernetInformationRuleForm::EditButtonClick() {
    if (!ListView1->Selected() || !CheckRule()) return;
    WriteRule(true);
}

void TEthernetInformationRuleForm::DeleteButtonClick() {
    Rules.DeleteRow();
    AfterWrite();
}
