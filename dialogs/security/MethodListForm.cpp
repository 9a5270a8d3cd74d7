#include "MethodListForm.h"

#include "EditorGrid.h"
#include "EditorInput.h"
#include "ExtCtrls.h"

#include "Application.h"
#include "Dialogs.h"
#include "ListView.h"
#include "StdCtrls.h"

namespace {

enum Column { ListName, RowStatus = 9 };

int TypeColumn(int method) { return 1 + 2 * method; }
int GroupColumn(int method) { return 2 + 2 * method; }

// Positions in the method type list.
constexpr int ServerGroupSlot = 4;
constexpr int LocalSlot = 5;
constexpr int NoneSlot = 6;

bool EndsChain(int slot) { return slot == LocalSlot || slot == NoneSlot; }

constexpr const char* ChainQuestion =
    "Method(s) after method local and none is(are) ineffective. Do you want to change your configurations?";
constexpr const char* DefaultList = "default";

}  // namespace

TMethodListForm::TMethodListForm(ui::Component* owner, MethodListLayout layout)
    : TDedicatedForm(owner, 780, 430), Lists(AddTable()), layout_(std::move(layout)) {
    SetName(layout_.FormName);
    SetCaption(layout_.Caption);
    BuildButtonPanel("StaticText1");
    StaticText1 = RowCountText;
    GetButton = NewRoleButton(ButtonRole::Refresh, "GetButton", [this] { GetButtonClick(); });
    EditButton = NewRoleButton(ButtonRole::Set, "EditButton", "Edit", [this] { EditButtonClick(); });
    AddButton = NewRoleButton(ButtonRole::Add, "AddButton", [this] { AddButtonClick(); });
    DeleteButton = NewRoleButton(ButtonRole::Delete, "DeleteButton", [this] { DeleteButtonClick(); });
    CloseButton = NewRoleButton(ButtonRole::Close, layout_.CloseButtonName);
    BuildEditors();
}

void TMethodListForm::BuildEditors() {
    BuildTableArea("ListView1", 180, false);
    ListView1 = TableList;
    EditorGrid grid(this, EditorPanel, 330, 150);
    ListNameEdit = grid.Edit(0, 0, layout_.NameEditName, layout_.NameLabel, 120);
    RowComboBox = grid.Combo(1, 0, "RowComboBox", "Row Status", 120);
    for (int method = 0; method < Methods; ++method) {
        const std::string number = std::to_string(method + 1);
        TypeCombos[method] = grid.Combo(0, method + 1, layout_.TypeComboNames[method], "Method" + number + " Type");
        ServerEdits[method] =
            grid.Edit(1, method + 1, layout_.ServerEditNames[method], "Method" + number + " Server Group");
        TypeCombos[method]->OnChange = [this, method](ui::Component*) { ApplyTypeRule(method, true); };
    }
}

void TMethodListForm::FormCreate(ui::Component*) {
    OpenRowTable(Lists, {.Table = layout_.Table,
                         .Bind =
                             [this](DialogRequest& request) {
                                 request.BindEdit(ListName, "%s{l15}", ListNameEdit);
                                 for (int method = 0; method < Methods; ++method) {
                                     request.BindComboBox(TypeColumn(method), TypeCombos[method]);
                                     request.BindEdit(GroupColumn(method), "%s{l15}", ServerEdits[method]);
                                 }
                             },
                         .Options = SynchronousTableOptions(),
                         .RowStatusColumn = RowStatus,
                         .RowStatusCombo = RowComboBox,
                         .KeepsRowStatus = true,
                         .KeyEdits = {ListNameEdit},
                         .ClearedEdits = {ServerEdits.begin(), ServerEdits.end()}});
    ClearListEditors();
    Lists.SelectRowStatus(RowStatusValue::CreateAndGo);
    Lists.Reread();
    ShowRowCount();
    ApplyTypeRules();
}

// ------------------------------------------------------------------------------------------------ editors

void TMethodListForm::ApplyTypeRule(int method, bool userChoice) {
    const bool serverGroup = TypeCombos[method]->ItemIndex() == ServerGroupSlot;
    SetEditorEnabled(ServerEdits[method], serverGroup);
    if (userChoice) ServerEdits[method]->SetText("");
}

void TMethodListForm::ApplyTypeRules() {
    for (int method = 0; method < Methods; ++method) ApplyTypeRule(method, false);
}

void TMethodListForm::ClearListEditors() {
    ClearEditors();
    ListNameEdit->SetText("");
    ShowRowCount();
}

void TMethodListForm::RowSelectionChanged(bool selected) {
    const ui::ListItem* row = ListView1->Selected();
    DeleteButton->SetEnabled(selected && row && row->Caption() != DefaultList);
    ApplyTypeRules();
}

// ------------------------------------------------------------------------------------------------ the chain

int TMethodListForm::MethodSlot(int method) const {
    const std::string type = TypeCombos[method]->Text();
    if (type.empty() || type == "other") return -1;
    return TypeCombos[method]->ItemIndex();
}

bool TMethodListForm::MethodChainIsValid() const {
    bool ended = false;
    for (int method = 0; method < Methods; ++method) {
        const int slot = MethodSlot(method);
        if (ended && slot >= 0) return false;
        if (EndsChain(slot)) ended = true;
    }
    return true;
}

bool TMethodListForm::UserChangesChain() {
    if (MethodChainIsValid()) return false;
    const ui::Application* app = ui::Application::InstanceOrNull();
    return ui::MessageBox(this, ChainQuestion, app ? app->Title() : std::string(), ui::mbYesNo, ui::mtConfirmation) ==
           ui::mrYes;
}

std::vector<int> TMethodListForm::MethodColumnsLeftOut(bool dropIneffective) const {
    std::vector<int> out;
    bool ended = false;
    for (int method = 0; method < Methods; ++method) {
        const int slot = ended && dropIneffective ? -1 : MethodSlot(method);
        if (slot < 0) out.push_back(TypeColumn(method));
        if (slot != ServerGroupSlot) out.push_back(GroupColumn(method));
        if (EndsChain(slot)) ended = true;
    }
    return out;
}

// ------------------------------------------------------------------------------------------------ writes

void TMethodListForm::AfterWrite() {
    ResetRowButtons();
    ClearListEditors();
    ApplyTypeRules();
}

void TMethodListForm::GetButtonClick() {
    Lists.Reread();
    AfterWrite();
}

void TMethodListForm::AddButtonClick() {
    const std::string name = ListNameEdit->Text();
    if (name.empty()) return RefuseInput(this, layout_.EmptyNameMessage, ListNameEdit);
    if (ListHasKey(*ListView1, name)) return RefuseInput(this, layout_.DuplicateNameMessage, ListNameEdit);
    if (RowComboBox->ItemIndex() < 0 || RowComboBox->Text() != "createAndGo")
        return RefuseInput(this, "Row State must be createAndGo.", RowComboBox);
    const bool chainValid = MethodChainIsValid();
    if (UserChangesChain()) return;
    const std::vector<int> leftOut = MethodColumnsLeftOut(!chainValid);
    Lists.Write([&] { Lists.Send(leftOut); });
    AfterWrite();
}

void TMethodListForm::EditButtonClick() {
    if (!ListView1->Selected()) return;
    if (ListNameEdit->Text().empty()) return ShowMessage(this, layout_.EmptyNameMessage);
    if (RowComboBox->Text() == "destroy") return DestroySelected();
    const bool chainValid = MethodChainIsValid();
    if (UserChangesChain()) return;
    std::vector<int> leftOut = MethodColumnsLeftOut(!chainValid);
    leftOut.push_back(RowStatus);
    Lists.Write([&] { Lists.Send(leftOut); });
    AfterWrite();
}

void TMethodListForm::DeleteButtonClick() {
    const ui::ListItem* row = ListView1->Selected();
    if (!row || row->Caption() == DefaultList) return;
    Lists.SelectRowStatus(RowStatusValue::Destroy);
    DestroySelected();
}

// Method1 Type goes with the destroy, as the switch expects it.
void TMethodListForm::DestroySelected() {
    std::vector<int> leftOut;
    for (int method = 0; method < Methods; ++method) {
        if (method > 0) leftOut.push_back(TypeColumn(method));
        leftOut.push_back(GroupColumn(method));
    }
    Lists.Write([&] { Lists.Send(leftOut); });
    AfterWrite();
}
