#include "Userdefinedruleunit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "PayloadWindows.h"
#include "StdCtrls.h"

#include <algorithm>
#include <cctype>

TUserDefinedInformationRuleForm* UserDefinedInformationRuleForm = nullptr;

namespace {

const CatalogTable& RuleTable = Oid_acl::E_11_5_2_3_1;

enum Column {
    ProfileIdColumn,
    AccessIdColumn,
    FirstWindow,  // the five windows, in order
    EnablePriority = FirstWindow + PayloadWindowCount,
    Priority,
    ReplacePriority,
    EnableReplaceDscp,
    ReplaceDscp,
    Permit,
    RowStatus,
};

// The list's sub-item of the "Permit" cell (sub-item k shows column k + 1).
constexpr int PermitSubItem = Permit - 1;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

}  // namespace

TUserDefinedInformationRuleForm::TUserDefinedInformationRuleForm(ui::Component* owner)
    : TDedicatedForm(owner, 860, 600), Rules(AddTable()) {
    SetName("UserDefinedInformationRuleForm");
    SetCaption("User Defined Information Rule");
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
}

void TUserDefinedInformationRuleForm::BuildEditors() {
    constexpr int Rows = 7;
    BuildTableArea("ListView1", 200, false, EditorGrid::RowHeight * Rows + 16);
    ListView1 = TableList;
    EditorGrid grid(this, EditorPanel, 390, 170);
    ProfileIDEdit = grid.Edit(0, 0, "ProfileIDEdit", "Profile ID", 60);
    AccessIDEdit = grid.Edit(0, 1, "AccessIDEdit", "Access ID", 60);
    const char* names[] = {"First", "Second", "Third", "Forth", "Fifth"};
    ui::CheckBox** boxes[] = {&cbxGroupFirst, &cbxGroupSecond, &cbxGroupThird, &cbxGroupForth, &cbxGroupFifth};
    ui::Edit** edits[] = {&OffsetGroupFirstEdit, &OffsetGroupSecondEdit, &OffsetGroupThirdEdit, &OffsetGroupForthEdit,
                          &OffsetGroupFifthEdit};
    for (int w = 0; w < PayloadWindowCount; ++w) {
        *boxes[w] = grid.ApplyBox(0, 2 + w, std::string("cbxGroup") + names[w]);
        *edits[w] = grid.Edit(0, 2 + w, std::string("OffsetGroup") + names[w] + "Edit",
                              "Packet(s) Offset [" + WindowRange(w) + "]", 200);
        windows_[w] = {*boxes[w], *edits[w]};
    }
    cbxPermit = grid.ApplyBox(1, 0, "cbxPermit");
    PermitComboBox = grid.Combo(1, 0, "PermitComboBox", "Permit");
    cbxEnablePriority = grid.ApplyBox(1, 1, "cbxEnablePriority");
    EnablePriComboBox = grid.Combo(1, 1, "EnablePriComboBox", "Enable Priority");
    cbxPriority = grid.ApplyBox(1, 2, "cbxPriority");
    PriorityEdit = grid.Edit(1, 2, "PriorityEdit", "Priority");
    cbxReplace = grid.ApplyBox(1, 3, "cbxReplace");
    ReplPriyComboBox = grid.Combo(1, 3, "ReplPriyComboBox", "Replace Priority");
    cbxEnableReplace = grid.ApplyBox(1, 4, "cbxEnableReplace");
    EnableReplComboBox = grid.Combo(1, 4, "EnableReplComboBox", "Enable Replace DSCP");
    cbxReplaceDscp = grid.ApplyBox(1, 5, "cbxReplaceDscp");
    ReplDSCPEdit = grid.Edit(1, 5, "ReplDSCPEdit", "Replace DSCP");
    cbxRow = grid.ApplyBox(1, 6, "cbxRow");
    RowComboBox = grid.Combo(1, 6, "RowComboBox", "Row Status");
    PermitComboBox->OnChange = [this](ui::Component*) { PermitComboBoxChange(); };

    std::vector<AclRuleField> fields;
    for (int w = 0; w < PayloadWindowCount; ++w) fields.push_back({{windows_[w].Box, FirstWindow + w}});
    for (const auto& [box, column] :
         std::initializer_list<std::pair<ui::CheckBox*, int>>{{cbxEnablePriority, EnablePriority},
                                                              {cbxPriority, Priority},
                                                              {cbxReplace, ReplacePriority},
                                                              {cbxEnableReplace, EnableReplaceDscp},
                                                              {cbxReplaceDscp, ReplaceDscp},
                                                              {cbxPermit, Permit},
                                                              {cbxRow, RowStatus}})
        fields.push_back({{box, column}});
    fields_ = AclRuleFields(std::move(fields));
    // Only the deny exclusions are the shared rule's; the priority group follows this dialog's own permit rule.
    action_ = AclRuleAction({.Permit = PermitComboBox, .PermitBox = cbxPermit}, {.EnablePriority = EnablePriority,
                                                                                 .Priority = Priority,
                                                                                 .ReplacePriority = ReplacePriority,
                                                                                 .EnableReplaceDscp = EnableReplaceDscp,
                                                                                 .ReplaceDscp = ReplaceDscp});
}

void TUserDefinedInformationRuleForm::FormCreate(ui::Component*) {
    OpenRowTable(Rules, {.Table = &RuleTable,
                         .KeyCount = 2,
                         .Bind =
                             [this](DialogRequest& request) {
                                 request.BindEdit(ProfileIdColumn, "%i{n1x255}", ProfileIDEdit);
                                 request.BindEdit(AccessIdColumn, "%i{n1x255}", AccessIDEdit);
                                 for (int w = 0; w < PayloadWindowCount; ++w)
                                     request.BindEdit(FirstWindow + w, "%s{l32}", windows_[w].Edit);
                                 request.BindComboBox(EnablePriority, EnablePriComboBox);
                                 request.BindEdit(Priority, "%i{n0x7l1}", PriorityEdit);
                                 request.BindComboBox(ReplacePriority, ReplPriyComboBox);
                                 request.BindComboBox(EnableReplaceDscp, EnableReplComboBox);
                                 request.BindEdit(ReplaceDscp, "%i{n0x63l2}", ReplDSCPEdit);
                                 request.BindComboBox(Permit, PermitComboBox);
                             },
                         .Options = SynchronousTableOptions(),
                         .RowStatusColumn = RowStatus,
                         .RowStatusCombo = RowComboBox,
                         .KeepsRowStatus = true,
                         .KeyEdits = {ProfileIDEdit, AccessIDEdit},
                         .ClearedEdits = {ProfileIDEdit, AccessIDEdit, OffsetGroupFirstEdit, OffsetGroupSecondEdit,
                                          OffsetGroupThirdEdit, OffsetGroupForthEdit, OffsetGroupFifthEdit,
                                          PriorityEdit, ReplDSCPEdit}});
    Rules.SelectRowStatus(RowStatusValue::CreateAndGo);
    ResetRowButtons();
    Rules.Reread();
    ShowRowCount();
}

// ------------------------------------------------------------------------------------------------ states

void TUserDefinedInformationRuleForm::SetPriorityGroupEnabled(bool enabled) {
    for (ui::Control* control : std::initializer_list<ui::Control*>{
             EnablePriComboBox, PriorityEdit, ReplPriyComboBox, EnableReplComboBox, ReplDSCPEdit, cbxEnablePriority,
             cbxPriority, cbxReplace, cbxEnableReplace, cbxReplaceDscp})
        SetEditorEnabled(control, enabled);
}

void TUserDefinedInformationRuleForm::PermitComboBoxChange() {
    SetPriorityGroupEnabled(PermitComboBox->Text() != "deny");
}

void TUserDefinedInformationRuleForm::ClearRuleEditors() {
    ClearEditors();
    fields_.ResetChecks();
    ShowRowCount();
}

void TUserDefinedInformationRuleForm::RowSelectionChanged(bool selected) {
    const ui::ListItem* row = ListView1->Selected();
    if (!selected || !row) return SetPriorityGroupEnabled(true);
    ProfileIDEdit->SetText(row->Caption());
    AccessIDEdit->SetText(row->SubItems().Count() > 0 ? row->SubItems()[0] : std::string());
    const std::string permit = row->SubItems().Count() > PermitSubItem ? row->SubItems()[PermitSubItem] : std::string();
    SetPriorityGroupEnabled(Lower(permit) != "deny");
}

// Edit and Delete disabled, Add and the IDs open again, the editors cleared, the priority group as the action has it.
void TUserDefinedInformationRuleForm::AfterWrite() {
    ResetRowButtons();
    SetEditorEnabled(ProfileIDEdit, true);
    SetEditorEnabled(AccessIDEdit, true);
    ClearRuleEditors();
    PermitComboBoxChange();
}

void TUserDefinedInformationRuleForm::GetButtonClick() {
    Rules.Reread();
    AfterWrite();
}

// ------------------------------------------------------------------------------------------------ checks

bool TUserDefinedInformationRuleForm::KeysSet() {
    if (ProfileIDEdit->Text().empty()) return ShowMessage(this, "Profile ID must be set."), false;
    if (AccessIDEdit->Text().empty()) return ShowMessage(this, "Access ID must be set."), false;
    return true;
}

// The two-window rule over the checked windows, then each checked window's text.
bool TUserDefinedInformationRuleForm::WindowsPass() {
    std::vector<std::string> checked;
    for (const Window& window : windows_)
        if (window.Box->Checked()) checked.push_back(window.Edit->Text());
    if (TooManyWindowsInUse(checked))
        return RefuseInput(this, "Packet(s) Offset can not over two groups.", OffsetGroupFirstEdit), false;
    for (int w = 0; w < PayloadWindowCount; ++w) {
        const Window& window = windows_[w];
        if (!window.Box->Checked() || WindowTextValid(window.Edit->Text())) continue;
        RefuseInput(this, "Packet(s) Offset [" + WindowRange(w) + "] can not contain invalid character(s).",
                    window.Edit);
        return false;
    }
    return true;
}

// ------------------------------------------------------------------------------------------------ writes

// The unchecked fields and, for a checked "deny", the five priority fields.
std::vector<int> TUserDefinedInformationRuleForm::FieldsLeftOut() const {
    std::vector<int> out = fields_.UncheckedColumns();
    const std::vector<int> deny = action_.DenyLeftOut();
    out.insert(out.end(), deny.begin(), deny.end());
    return out;
}

void TUserDefinedInformationRuleForm::WriteRule(std::vector<int> leftOut) {
    Rules.Write([&] { Rules.Send(leftOut); });
    AfterWrite();
}

void TUserDefinedInformationRuleForm::DestroyRow() {
    Rules.DeleteRow();
    AfterWrite();
}

void TUserDefinedInformationRuleForm::EditButtonClick() {
    if (!KeysSet()) return;
    if (RowComboBox->Text() == "destroy" && cbxRow->Checked()) return DestroyRow();
    if (!WindowsPass()) return;
    WriteRule(FieldsLeftOut());
}

void TUserDefinedInformationRuleForm::AddButtonClick() {
    if (!KeysSet()) return;
    const std::string accessId = AccessIDEdit->Text();
    if (ListHasKey(*ListView1, ProfileIDEdit->Text(), &accessId))
        return RefuseInput(
            this, "There is already a record with the same Profile ID and Access ID. Please modified eithor of them.",
            ProfileIDEdit);
    if (cbxRow->Checked() && RowComboBox->Text() != "createAndGo")
        return RefuseInput(this, "Row State must be createAndGo.", RowComboBox);
    if (!WindowsPass()) return;
    std::vector<int> leftOut = FieldsLeftOut();
    leftOut.erase(std::remove(leftOut.begin(), leftOut.end(), RowStatus), leftOut.end());  // always sent
    WriteRule(std::move(leftOut));
}

void TUserDefinedInformationRuleForm::DeleteButtonClick() { DestroyRow(); }
