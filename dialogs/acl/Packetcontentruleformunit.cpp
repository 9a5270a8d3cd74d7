#include "Packetcontentruleformunit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

TPktContentRuleForm* PktContentRuleForm = nullptr;

namespace {

const CatalogTable& RuleTable = Oid_acl::E_12_9_3_7_1;

enum Column {
    ProfileIdColumn,
    AccessIdColumn,
    Chunk1Value,
    Chunk1,
    Chunk2Value,
    Chunk2,
    Chunk3Value,
    Chunk3,
    Chunk4Value,
    Chunk4,
    EnablePriority,
    Priority,
    ReplacePriority,
    Permit,
    RulePort,
    RowStatus,
    OwnerColumn,
    RxRate,
    TimeRangeName,
    MirrorGroup,
    ReplaceDscpState,
    ReplaceDscpValue,
};

}  // namespace

TPktContentRuleForm::TPktContentRuleForm(ui::Component* owner) : TDedicatedForm(owner, 820, 680), Rules(AddTable()) {
    SetName("PktContentRuleForm");
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

void TPktContentRuleForm::BuildEditors() {
    constexpr int Rows = 10;
    BuildTableArea("ListView1", 160, true, EditorGrid::RowHeight * Rows + 16);
    ListView1 = TableList;
    EditorGrid grid(this, EditorPanel, 360, 150);
    edtProfile = grid.Edit(0, 0, "edtProfile", "Profile ID", 80);
    edtAccess = grid.Edit(0, 1, "edtAccess", "Access ID", 80);
    edtChunk1Value = grid.Edit(0, 2, "edtChunk1Value", "Chunk1 Value", 80);
    cbxChunk1Offset = grid.ApplyBox(0, 3, "cbxChunk1Offset");
    edtChunk1Offset = grid.Edit(0, 3, "edtChunk1Offset", "Chunk1 Offset", 80);
    edtChunk2Value = grid.Edit(0, 4, "edtChunk2Value", "Chunk2 Value", 80);
    cbxChunk2Offset = grid.ApplyBox(0, 5, "cbxChunk2Offset");
    edtChunk2Offset = grid.Edit(0, 5, "edtChunk2Offset", " Chunk2 Offset", 80);
    edtChunk3Value = grid.Edit(0, 6, "edtChunk3Value", "Chunk3 Value", 80);
    cbxChunk3Offset = grid.ApplyBox(0, 7, "cbxChunk3Offset");
    edtChunk3Offset = grid.Edit(0, 7, "edtChunk3Offset", "Chunk3 Offset", 80);
    edtChunk4Value = grid.Edit(0, 8, "edtChunk4Value", "Chunk4 Value", 80);
    cbxChunk4Offset = grid.ApplyBox(0, 9, "cbxChunk4Offset");
    edtChunk4Offset = grid.Edit(0, 9, "edtChunk4Offset", "Chunk4 Offset", 80);

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
    ReplaceDSCPEdit = grid.Edit(1, 5, "ReplaceDSCPEdit", "Replace DSCP Value");
    cbxRxRate = grid.ApplyBox(1, 6, "cbxRxRate");
    RxRateEdit = grid.Edit(1, 6, "RxRateEdit", "RX Rate");
    MirrorIDCheckBox = grid.ApplyBox(1, 7, "MirrorIDCheckBox");
    MirrorIDEdit = grid.Edit(1, 7, "MirrorIDEdit", "Mirror Group ID");
    cbxTimeRange = grid.ApplyBox(1, 8, "cbxTimeRange");
    edtTimeRange = grid.Edit(1, 8, "edtTimeRange", "Time Range");
    OwnerComboBox = grid.Combo(1, 9, "OwnerComboBox", "Owner");
    RowComboBox = grid.Combo(1, 10, "RowComboBox", "Row Status");
    RowComboBox->Hide();
    ShowsOnly({OwnerComboBox, edtChunk1Value, edtChunk2Value, edtChunk3Value, edtChunk4Value});

    PermitComboBox->OnChange = [this](ui::Component*) { action_.ActionChanged(); };
    PriorityComboBox->OnChange = [this](ui::Component*) { action_.PriorityChanged(); };
    EnableReplComboBox->OnChange = [this](ui::Component*) { action_.ReplaceDscpChanged(); };
}

void TPktContentRuleForm::BuildFields() {
    constexpr BoxTouch WhenEnabled = BoxTouch::WhenEnabled, Never = BoxTouch::Never, Always = BoxTouch::Always;
    const auto offset = [this](ui::CheckBox* box, int column, ui::Edit* edit) {
        return AclRuleField{
            {box, column, edit, [this, edit] { return CheckHexEdit(this, edit, 8, "Invalid Offset"); }}};
    };
    // In the order the checks of a write run; the mirror group and DSCP replacement only follow their boxes.
    fields_ = AclRuleFields({
        offset(cbxChunk1Offset, Chunk1, edtChunk1Offset),
        offset(cbxChunk2Offset, Chunk2, edtChunk2Offset),
        offset(cbxChunk3Offset, Chunk3, edtChunk3Offset),
        offset(cbxChunk4Offset, Chunk4, edtChunk4Offset),
        {{cbxEnablePriority, EnablePriority, PriorityComboBox}, WhenEnabled},
        {{cbxPriority, Priority, PriorityEdit}, WhenEnabled, WhenEnabled, WhenEnabled},
        {{cbxReplacePriority, ReplacePriority, ReplaceComboBox}, WhenEnabled, WhenEnabled, WhenEnabled},
        {{cbxPermit, Permit, PermitComboBox}},
        {{cbxRxRate, RxRate, RxRateEdit, [this] { return action_.RxRateInRange(this); }}, WhenEnabled},
        {{cbxTimeRange, TimeRangeName, edtTimeRange}},
        {{MirrorIDCheckBox, MirrorGroup}, WhenEnabled, Always, Never},
        {{cbxEnableReplaceDscp, ReplaceDscpState}, WhenEnabled, Always, Never},
        {{cbxValue, ReplaceDscpValue}, WhenEnabled, Always, Never},
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

void TPktContentRuleForm::FormCreate(ui::Component*) {
    Ports = AddPortPage("Ports");
    OpenRowTable(Rules, {.Table = &RuleTable,
                         .KeyCount = 2,
                         .Bind =
                             [this](DialogRequest& request) {
                                 request.BindEdit(ProfileIdColumn, "%i{n1x14}", edtProfile);
                                 request.BindEdit(AccessIdColumn, "%i{n1x128}", edtAccess);
                                 const std::pair<ui::Edit*, ui::Edit*> chunks[] = {{edtChunk1Value, edtChunk1Offset},
                                                                                   {edtChunk2Value, edtChunk2Offset},
                                                                                   {edtChunk3Value, edtChunk3Offset},
                                                                                   {edtChunk4Value, edtChunk4Offset}};
                                 for (int n = 0; n < 4; ++n) {
                                     request.BindEdit(Chunk1Value + 2 * n, "%i", chunks[n].first);
                                     request.BindEdit(Chunk1 + 2 * n, "%s{l8}", chunks[n].second);
                                 }
                                 request.BindComboBox(EnablePriority, PriorityComboBox);
                                 request.BindEdit(Priority, "%i{n0x7l1}", PriorityEdit);
                                 request.BindComboBox(ReplacePriority, ReplaceComboBox);
                                 request.BindComboBox(Permit, PermitComboBox);
                                 BindPorts(request, RulePort, Ports);
                                 request.BindComboBox(OwnerColumn, OwnerComboBox);
                                 request.BindEdit(RxRate, "%i{n0x156249}", RxRateEdit);
                                 request.BindEdit(TimeRangeName, "%s", edtTimeRange);
                                 request.BindEdit(MirrorGroup, "%i{n1x4l1}", MirrorIDEdit);
                                 request.BindComboBox(ReplaceDscpState, EnableReplComboBox);
                                 request.BindEdit(ReplaceDscpValue, "%i{n0x63l2}", ReplaceDSCPEdit);
                             },
                         .Options = SynchronousTableOptions(),
                         .RowStatusColumn = RowStatus,
                         .RowStatusCombo = RowComboBox,
                         .KeepsRowStatus = true,
                         .KeyEdits = {edtProfile, edtAccess},
                         .ClearedEdits = {edtProfile, edtAccess, edtChunk1Value, edtChunk2Value, edtChunk3Value,
                                          edtChunk4Value, edtChunk1Offset, edtChunk2Offset, edtChunk3Offset,
                                          edtChunk4Offset, PriorityEdit, RxRateEdit, edtTimeRange}});
    ClearRuleEditors();
    PriorityComboBox->SetText("disabled");
    ReplaceComboBox->SetText("disabled");
    EnableReplComboBox->SetText("disabled");
    PermitComboBox->SetText("permit");
    OwnerComboBox->SetText("acl");
    Rules.SelectRowStatus(RowStatusValue::CreateAndGo);
    // The controls as the action "permit" has them from the start.
    action_.ActionChanged();
    ResetRowButtons();
    Rules.Reread();
    ShowRowCount();
}

// ------------------------------------------------------------------------------------------------ states

void TPktContentRuleForm::ClearRuleEditors() {
    ClearEditors();
    fields_.ResetChecks();
    ShowRowCount();
}

void TPktContentRuleForm::RowSelectionChanged(bool selected) {
    if (selected) {
        const ui::ListItem* row = ListView1->Selected();
        edtProfile->SetText(row->Caption());
        edtAccess->SetText(row->SubItems().Count() > 0 ? row->SubItems()[0] : std::string());
    }
    action_.PriorityChanged();
    if (!selected) ClearRuleEditors();
}

// Edit and Delete disabled, Add and the IDs open again, the editors cleared.
void TPktContentRuleForm::AfterWrite() {
    ResetRowButtons();
    SetEditorEnabled(edtProfile, true);
    SetEditorEnabled(edtAccess, true);
    ClearRuleEditors();
}

void TPktContentRuleForm::GetButtonClick() {
    Rules.Reread();
    ResetRowButtons();
    SetEditorEnabled(edtProfile, true);
    SetEditorEnabled(edtAccess, true);
    action_.ActionChanged();
    ClearRuleEditors();
}

// ------------------------------------------------------------------------------------------------ checks

bool TPktContentRuleForm::CheckRuleInput() {
    if (edtProfile->Text().empty()) return RefuseInput(this, "IP Rule ID must be set.", edtProfile), false;
    if (edtAccess->Text().empty()) return RefuseInput(this, "IP Rule Access ID must be set.", edtAccess), false;
    if (!fields_.Boxes().TickedEditorsPass(this, "Some checked field is empty")) return false;
    return RuleHasPort(this, Ports);
}

// ------------------------------------------------------------------------------------------------ writes

// The unchecked fields, what a "deny" rule cannot carry and the priority rule's columns.
void TPktContentRuleForm::WriteRule() {
    std::vector<int> leftOut = fields_.UncheckedColumns();
    for (const std::vector<int>& more : {action_.DenyLeftOut(), action_.PriorityLeftOut(*ListView1)})
        leftOut.insert(leftOut.end(), more.begin(), more.end());
    Rules.Write([&] { Rules.Send(leftOut); });
    AfterWrite();
}

void TPktContentRuleForm::AddButtonClick() {
    if (!CheckRuleInput()) return;
    const std::string accessId = edtAccess->Text();
    if (ListHasKey(*ListView1, edtProfile->Text(), &accessId))
        return RefuseInput(this,
                           "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.",
                           edtProfile);
    if (!cbxPermit->Checked()) return RefuseInput(this, "Permit option must be checked.", PermitComboBox);
    Rules.SelectRowStatus(RowStatusValue::CreateAndGo);
    WriteRule();
}

void TPktContentRuleForm::EditButtonClick() {
    if (!ListView1->Selected() || !CheckRuleInput()) return;
    WriteRule();
}

void TPktContentRuleForm::DeleteButtonClick() {
    Rules.DeleteRow();
    AfterWrite();
}
