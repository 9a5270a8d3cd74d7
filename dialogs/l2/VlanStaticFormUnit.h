#pragma once
// TVlanStaticForm: the 802.1Q static VLAN table (dot1qVlanStaticTable). Per VLAN its name and its egress,
// forbidden egress and untagged port lists, each edited on a per-unit port selector; beside the table the next
// free local VLAN index. A row table with creation on the dialog frame, with a get-complete flag.
//
// Writes, in this order: Add creates the row with name, egress and untagged ports (never the forbidden list);
// Set sends the egress and untagged lists first, then the forbidden list, in two SETs; Delete sends RowStatus
// destroy alone.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

class TVlanStaticForm : public TDedicatedForm {
public:
    explicit TVlanStaticForm(ui::Component* owner);

    ui::ListView* LV_dot1qVlanStaticEntry = nullptr;
    ui::Edit* ED_VLANID = nullptr;
    ui::Edit* ED_VLANName = nullptr;
    ui::StaticText* NextFreeLocalVlanIndex = nullptr;
    ui::ComboBox* Status = nullptr;
    ui::StaticText* ST_Count2 = nullptr;
    ui::Button* RefreshBtn = nullptr;
    ui::Button* SetBtn = nullptr;
    ui::Button* AddBtn = nullptr;
    ui::Button* DeleteBtn = nullptr;
    ui::Button* btnStop = nullptr;
    ui::Button* btnClose = nullptr;

    TStackingPortUitForm* EgressPorts = nullptr;
    TStackingPortUitForm* ForbiddenEgressPorts = nullptr;
    TStackingPortUitForm* UntaggedPorts = nullptr;

    DialogTable& StaticTable;     // the table request
    DialogTable& NextFreeIndex;   // the next-free-index request (synchronous)

    void FormCreate(ui::Component* sender) override;
    void SetBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();
};

extern TVlanStaticForm* VlanStaticForm;  // the open dialog, else null
