#include "Loginmethodlistunit.h"

#include "CatalogTables.h"

TLoginMethodListForm* LoginMethodListForm = nullptr;

namespace {

MethodListLayout LoginLayout() {
    return {.Table = &Oid_security::E_12_5_3_1,
            .FormName = "LoginMethodListForm",
            .Caption = "Login Method List",
            .NameEditName = "ListnameEdit",
            .NameLabel = "AAC Login Method List Name",
            .TypeComboNames = {"ComboBoxType1", "ComboBoxType2", "ComboBoxType3", "ComboBoxType4"},
            .ServerEditNames = {"Server1Edit", "Server2Edit", "Server3Edit", "Server4Edit"},
            .CloseButtonName = "btnClose",
            .EmptyNameMessage = "AAC Login Method List Name must be set.",
            .DuplicateNameMessage =
                "Has already a record with the same Login Method List Name. Please Change Login Method List Name."};
}

}  // namespace

TLoginMethodListForm::TLoginMethodListForm(ui::Component* owner) : TMethodListForm(owner, LoginLayout()) {
    ListnameEdit = ListNameEdit;
    ComboBoxType1 = TypeCombos[0];
    ComboBoxType2 = TypeCombos[1];
    ComboBoxType3 = TypeCombos[2];
    ComboBoxType4 = TypeCombos[3];
    Server1Edit = ServerEdits[0];
    Server2Edit = ServerEdits[1];
    Server3Edit = ServerEdits[2];
    Server4Edit = ServerEdits[3];
    btnClose = CloseButton;
}
