#pragma once
// TIGMPSnoopingStaticGroupForm: the IGMP snooping static groups, one row per VLAN and group address with the
// ports that are fixed members of the group. A row table with creation and a get-complete flag.
//
// Writes: Add sends the member ports with createAndGo, Set the member ports with active, Delete RowStatus destroy
// alone; each for the instance the two key edits hold. The key edits stay editable while a row is selected, and a
// member list without a ticked port is sent all clear.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

class TIGMPSnoopingStaticGroupForm : public TDedicatedForm {
public:
    explicit TIGMPSnoopingStaticGroupForm(ui::Component* owner);

    ui::ListView* LV_IGMPStaticGroupEntry = nullptr;
    ui::Edit* VlanIDEdit = nullptr;
    ui::Edit* RepalceIPEdit = nullptr;  // the group address
    ui::ComboBox* CBoxStatus = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* btnGet = nullptr;
    ui::Button* btnSet = nullptr;
    ui::Button* btnAdd = nullptr;
    ui::Button* btnDelete = nullptr;
    ui::Button* btnClose = nullptr;

    TStackingPortUitForm* MemberPorts = nullptr;

    DialogTable& StaticGroupTable;

    void FormCreate(ui::Component* sender) override;
    void btnAddClick();
    void btnSetClick();
    void btnDeleteClick();

private:
    bool GroupAddressAccepted();
};

extern TIGMPSnoopingStaticGroupForm* IGMPSnoopingStaticGroupForm;  // the open dialog, else null
