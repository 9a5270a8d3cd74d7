#pragma once
// TMethodListForm: a table of authentication method lists (the login and the enable lists share it). A list has a
// name (the key) and four methods the switch tries in order, each a method type and, for "server-group", the
// name of a server group. A row table on the dialog frame with one synchronous request and a visible Row Status.
//
// Rules a caller must know:
// - A method whose type is empty or "other" sends neither of its columns; any other type sends its type, and
//   "server-group" also its group name.
// - The chain ends at the first "local" (or "local-enable") or "none" method; a later method that would be sent
//   asks the user whether to change the configuration first: Yes sends nothing, No leaves the later methods out.
// - The list "default" cannot be deleted; Edit with Row Status "destroy" deletes the selected list.
// - A server-group edit is enabled only for a "server-group" method and emptied when the user picks another
//   type; a row click or a Refresh never empties it, so Edit writes back the stored group name.
#include "DedicatedForm.h"

#include <array>
#include <string>
#include <vector>

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

// What tells the two method-list dialogs apart: their table, control names, captions and messages.
struct MethodListLayout {
    const CatalogTable* Table = nullptr;
    std::string FormName;
    std::string Caption;
    std::string NameEditName;
    std::string NameLabel;
    std::array<std::string, 4> TypeComboNames;
    std::array<std::string, 4> ServerEditNames;
    std::string CloseButtonName;
    std::string EmptyNameMessage;
    std::string DuplicateNameMessage;
};

class TMethodListForm : public TDedicatedForm {
public:
    static constexpr int Methods = 4;

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* GetButton = nullptr;
    ui::Button* EditButton = nullptr;
    ui::Button* AddButton = nullptr;
    ui::Button* DeleteButton = nullptr;
    ui::Button* CloseButton = nullptr;
    ui::Edit* ListNameEdit = nullptr;
    std::array<ui::ComboBox*, Methods> TypeCombos{};
    std::array<ui::Edit*, Methods> ServerEdits{};
    ui::ComboBox* RowComboBox = nullptr;

    DialogTable& Lists;

    void FormCreate(ui::Component* sender) override;
    void GetButtonClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();

protected:
    TMethodListForm(ui::Component* owner, MethodListLayout layout);
    void RowSelectionChanged(bool selected) override;

private:
    void BuildEditors();
    // A method's type position in its combo box, -1 for no type or "other".
    int MethodSlot(int method) const;
    bool MethodChainIsValid() const;
    // True when the user wants to change the methods first (nothing is to be sent).
    bool UserChangesChain();
    // The columns of the methods not to be sent; dropIneffective also leaves out those after the chain's end.
    std::vector<int> MethodColumnsLeftOut(bool dropIneffective) const;
    // Enables the server-group edit of method for "server-group"; emptied only when the user chose the type.
    void ApplyTypeRule(int method, bool userChoice);
    void ApplyTypeRules();
    void ClearListEditors();
    void AfterWrite();
    void DestroySelected();

    MethodListLayout layout_;
};
