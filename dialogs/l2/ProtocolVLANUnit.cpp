#include "ProtocolVLANUnit.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "ExtCtrls.h"
#include "ListView.h"
#include "NxInputCheck.h"
#include "StdCtrls.h"

TProtocolVLANGroupForm* ProtocolVLANGroupForm = nullptr;

namespace {

const CatalogTable& ProtocolGroupEntries = Oid_switch::Mib2_17_7_1_5_1_1;

enum Column { TemplateFrameType, TemplateProtocolValue, GroupId, RowStatus };

constexpr int ProtocolValueDigits = 4;

}  // namespace

TProtocolVLANGroupForm::TProtocolVLANGroupForm(ui::Component* owner)
    : TDedicatedForm(owner, 635, 365), ProtocolGroupTable(AddTable()) {
    SetName("ProtocolVLANGroupForm");
    BuildButtonPanel("Static");
    Static = RowCountText;
    GetButton = NewRoleButton(ButtonRole::Refresh, "GetButton", "Refresh", [this] { GetButtonClick(); });
    AddButton = NewRoleButton(ButtonRole::Add, "AddButton", [this] { AddButtonClick(); });
    DeleteButton = NewRoleButton(ButtonRole::Delete, "DeleteButton", [this] { DeleteButtonClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    BuildTableArea("ListView1", 130, false);
    ListView1 = TableList;
    EditorGrid editors(this, EditorPanel, 250, 150);
    TypeComboBox = editors.Combo(0, 0, "TypeComboBox", "Template Frame Type", 90);
    ValueEdit = editors.Edit(1, 0, "ValueEdit", "Template Protocol Value", 60);
    IDEdit = editors.Edit(0, 1, "IDEdit", "Group ID", 40);
    RowComboBox = editors.Combo(1, 1, "RowComboBox", "Group Row Status", 90);
}

void TProtocolVLANGroupForm::FormCreate(ui::Component*) {
    OpenRowTable(ProtocolGroupTable, {.Table = &ProtocolGroupEntries,
                                      .KeyCount = 2,
                                      .Bind =
                                          [this](DialogRequest& request) {
                                              request.BindComboBox(TemplateFrameType, TypeComboBox);
                                              request.BindEdit(TemplateProtocolValue, "%s{l4}", ValueEdit);
                                              request.BindEdit(GroupId, "%i{n1x16l2}", IDEdit);
                                          },
                                      .Options = SynchronousTableOptions(),
                                      .RowStatusColumn = RowStatus,
                                      .RowStatusCombo = RowComboBox,
                                      .KeepsRowStatus = true,
                                      .KeyEdits = {ValueEdit, IDEdit},
                                      .ClearedEdits = {ValueEdit, IDEdit}});
    ClearGroupEditors();
    ProtocolGroupTable.ReadAgain();
    ShowRowCount();
}

void TProtocolVLANGroupForm::ClearGroupEditors() {
    ClearEditors();
    TypeComboBox->SetItemIndex(-1);
    SetEditorEnabled(TypeComboBox, true);
    ProtocolGroupTable.SelectRowStatus(RowStatusValue::CreateAndGo);
    ShowRowCount();
}

void TProtocolVLANGroupForm::RowSelectionChanged(bool selected) {
    if (selected)
        SetEditorEnabled(TypeComboBox, false);
    else
        ClearGroupEditors();
}

void TProtocolVLANGroupForm::GetButtonClick() {
    ProtocolGroupTable.ReadAgain();
    ResetRowButtons();
    ClearGroupEditors();
}

void TProtocolVLANGroupForm::AddButtonClick() {
    if (TypeComboBox->Text().empty()) return RefuseInput(this, "Template Frame Type must be set.", TypeComboBox);
    if (ValueEdit->Text().empty()) return RefuseInput(this, "Template Protocol Value must be set.", ValueEdit);
    // Any other character would go out as a zero nibble of the key.
    if (!IsHexText(ValueEdit->Text(), ProtocolValueDigits))
        return RefuseInput(this, "Template Protocol Value must be hexadecimal digits (0-9, A-F).", ValueEdit);
    if (IDEdit->Text().empty()) return RefuseInput(this, "Group ID must be set.", IDEdit);
    if (RowComboBox->Text() != "createAndGo")
        return RefuseInput(this, "Group Row Status must be createAndGo.", RowComboBox);
    // Read again whatever the answer.
    ProtocolGroupTable.WriteOnly([this] { ProtocolGroupTable.Send(); });
    GetButtonClick();
}

void TProtocolVLANGroupForm::DeleteButtonClick() {
    ProtocolGroupTable.DeleteRow();
    ResetRowButtons();
    ClearGroupEditors();
}
