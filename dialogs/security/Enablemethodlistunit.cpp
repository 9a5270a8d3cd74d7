#include "Enablemethodlistunit.h"

#include "CatalogTables.h"

TEnableMethodForm* EnableMethodForm = nullptr;

namespace {

MethodListLayout EnableLayout() {
    return {.Table = &Oid_security::E_12_5_4_1,
            .FormName = "EnableMethodForm",
            .Caption = "Enable Method List",
            .NameEditName = "NameEdit",
            .NameLabel = "Enable MethodList Name",
            .TypeComboNames = {"Type1ComboBox", "Type2ComboBox", "Type3ComboBox", "Type4ComboBox"},
            .ServerEditNames = {"ServerGroupEdit1", "ServerGroupEdit2", "ServerGroupEdit3", "ServerGroupEdit4"},
            .CloseButtonName = "CloseButton",
            .EmptyNameMessage = "Enable MethodList Name must be set.",
            .DuplicateNameMessage =
                "Has already a record with the same Enable MethodList Name. Please Change Enable MethodList Name."};
}

}  // namespace

TEnableMethodForm::TEnableMethodForm(ui::Component* owner) : TMethodListForm(owner, EnableLayout()) {
    NameEdit = ListNameEdit;
    Type1ComboBox = TypeCombos[0];
    Type2ComboBox = TypeCombos[1];
    Type3ComboBox = TypeCombos[2];
    Type4ComboBox = TypeCombos[3];
    ServerGroupEdit1 = ServerEdits[0];
    ServerGroupEdit2 = ServerEdits[1];
    ServerGroupEdit3 = ServerEdits[2];
    ServerGroupEdit4 = ServerEdits[3];
}
