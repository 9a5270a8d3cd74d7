#pragma once
// TMirrorGroupForm: the mirror groups (1-4), each with its state, target port and ingress and egress source ports,
// a row table with creation on one asynchronous request with a get-complete flag and a close guard.
//
// Rules a caller must know:
// - Add sends RowStatus createAndGo alone for the typed group ID; every other column is written afterwards by Set
//   on the selected row. Delete sends RowStatus destroy alone.
// - The target port, the state and both port pages are locked unless a row is selected.
// - Set tests the get-complete flag only (not busy) and leaves it set; the table is read again once the SET has
//   answered without error.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

class TMirrorGroupForm : public TDedicatedForm {
public:
    explicit TMirrorGroupForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::Edit* ED_GroupID = nullptr;
    ui::Edit* TargetEdit = nullptr;
    ui::ComboBox* groupStateComboBox = nullptr;
    ui::ComboBox* CBoxStatus = nullptr;  // hidden
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* RefreshBtn = nullptr;
    ui::Button* btnSet = nullptr;
    ui::Button* btnAdd = nullptr;
    ui::Button* btnDelete = nullptr;
    ui::Button* btnClose = nullptr;
    TStackingPortUitForm* IngressPorts = nullptr;
    TStackingPortUitForm* EgressPorts = nullptr;

    DialogTable& MirrorTable;

protected:
    void FormCreate(ui::Component* sender) override;
    void RowSelectionChanged(bool selected) override;

private:
    void RefreshBtnClick();
    void btnSetClick();
    void btnAddClick();
    void btnDeleteClick();
    void LockGroupEditors(bool locked);
};

extern TMirrorGroupForm* MirrorGroupForm;  // the open dialog, else null
