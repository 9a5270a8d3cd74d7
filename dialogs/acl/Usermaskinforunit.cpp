#include "Usermaskinforunit.h"

#include "EditorGrid.h"
#include "EditorInput.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "OutsideTables.h"
#include "PayloadWindows.h"
#include "StackingPortUitFormUnit.h"
#include "StdCtrls.h"

#include <algorithm>

TUserMaskInfoForm* UserMaskInfoForm = nullptr;

namespace {

enum Field { EntryId, PortList, FirstWindow, RowStatus = FirstWindow + PayloadWindowCount };

}  // namespace

TUserMaskInfoForm::TUserMaskInfoForm(ui::Component* owner) : TDedicatedForm(owner, 760, 640), Masks(AddTable()) {
    SetName("UserMaskInfoForm");
    SetCaption("User Defined Mask Information");
    BuildButtonPanel("");
    GetButton = NewRoleButton(ButtonRole::Refresh, "GetButton", [this] { GetButtonClick(); });
    OperButton = NewRoleButton(ButtonRole::Set, "OperButton", "Edit", [this] { OperButtonClick(); });
    AddButton = NewRoleButton(ButtonRole::Add, "AddButton", [this] { AddButtonClick(); });
    DeleteButton = NewRoleButton(ButtonRole::Delete, "DeleteButton", [this] { DeleteButtonClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    constexpr int Rows = 7;
    BuildTableArea("ListView1", 160, true, EditorGrid::RowHeight * Rows + 16);
    ListView1 = TableList;

    EditorGrid grid(this, EditorPanel, 560, 180);
    Edit1 = grid.Edit(0, 0, "Edit1", "Mask Entry ID", 60);
    const char* names[] = {"Edit5", "Edit3", "Edit4", "Edit6", "Edit7"};
    ui::Edit** edits[] = {&Edit5, &Edit3, &Edit4, &Edit6, &Edit7};
    for (int w = 0; w < PayloadWindowCount; ++w) {
        *edits[w] = grid.Edit(0, 1 + w, names[w], "Filtered Port(s) [" + WindowRange(w) + "]", 260);
        windows_[w] = *edits[w];
    }
    ComboBox1 = grid.Combo(0, 6, "ComboBox1", "Mask Row Status");
}

void TUserMaskInfoForm::FormCreate(ui::Component*) {
    Ports = AddPortPage("Ports");
    OpenRowTable(Masks, {.Outside = &Oid_outside::PayloadMasks,
                         .Bind =
                             [this](DialogRequest& request) {
                                 request.BindEdit(EntryId, "%i{n1x255l3}", Edit1);
                                 BindPorts(request, PortList, Ports);
                                 for (int w = 0; w < PayloadWindowCount; ++w)
                                     request.BindEdit(FirstWindow + w, "%s{l32}", windows_[w]);
                             },
                         .Options = SynchronousTableOptions(),
                         .RowStatusColumn = RowStatus,
                         .RowStatusCombo = ComboBox1,
                         .KeepsRowStatus = true,
                         .KeyEdits = {Edit1},
                         .ClearedEdits = {Edit1, Edit5, Edit3, Edit4, Edit6, Edit7}});
    ClearEditors();
    Masks.SelectRowStatus(RowStatusValue::CreateAndGo);
    ResetRowButtons();
    Masks.Reread();
}

// Edit and Delete disabled, the entry ID and Add open, the edits and port boxes cleared.
void TUserMaskInfoForm::AfterWrite() {
    ResetRowButtons();
    SetEditorEnabled(Edit1, true);
    ClearEditors();
}

void TUserMaskInfoForm::GetButtonClick() {
    Masks.Reread();
    AfterWrite();
}

// ------------------------------------------------------------------------------------------------ checks

bool TUserMaskInfoForm::TwoWindowsAtMost() {
    std::vector<std::string> texts;
    for (const ui::Edit* window : windows_) texts.push_back(window->Text());
    if (!TooManyWindowsInUse(texts)) return true;
    RefuseInput(this, "Filtered Ports can not over two groups.", Edit5);
    return false;
}

// The first window that is not hex is named; the focus goes to the first window whichever failed.
bool TUserMaskInfoForm::WindowsValid() {
    for (int w = 0; w < PayloadWindowCount; ++w) {
        if (WindowTextValid(windows_[w]->Text())) continue;
        RefuseInput(this, "Filtered Port(s) [" + WindowRange(w) + "] can not contain invalid character(s).", Edit5);
        return false;
    }
    return true;
}

// ------------------------------------------------------------------------------------------------ writes

std::vector<int> TUserMaskInfoForm::EmptyWindows() const {
    std::vector<int> out;
    for (int w = 0; w < PayloadWindowCount; ++w)
        if (windows_[w]->Text().empty()) out.push_back(FirstWindow + w);
    return out;
}

void TUserMaskInfoForm::Write(const std::vector<int>& leftOut) {
    Masks.Write([&] { Masks.Send(leftOut); });
    AfterWrite();
}

void TUserMaskInfoForm::AddButtonClick() {
    if (Edit1->Text().empty()) return RefuseInput(this, "Payload Entry ID must be set.", Edit1);
    if (ListHasKey(*ListView1, Edit1->Text())) return RefuseInput(this, "Payload Entry ID must be different.", Edit1);
    if (ComboBox1->Text() != "createAndGo") return RefuseInput(this, "Row State must be createAndGo.", ComboBox1);
    if (!TwoWindowsAtMost() || !WindowsValid()) return;
    std::vector<int> leftOut = EmptyWindows();
    const bool anyPort = std::any_of(Ports->PortCheckBoxes.begin(), Ports->PortCheckBoxes.end(),
                                     [](const ui::CheckBox* box) { return box->Checked(); });
    if (!anyPort) leftOut.push_back(PortList);
    Write(leftOut);
}

void TUserMaskInfoForm::OperButtonClick() {
    if (Edit1->Text().empty()) return ShowMessage(this, "Payload Entry ID must be set.");
    if (ComboBox1->Text() != "destroy" && !TwoWindowsAtMost()) return;
    if (!WindowsValid()) return;
    Write(EmptyWindows());
}

void TUserMaskInfoForm::DeleteButtonClick() {
    Masks.DeleteRow();
    AfterWrite();
}
