#pragma once
// TISMVLANForm: the IGMP snooping multicast VLANs: per VLAN its name, four port lists (source, member, tagged
// member, untagged source), its state, a replacement source IP, the action that removes all added lists, a remap
// priority and whether the priority is replaced. A row table with creation and a get-complete flag.
//
// Writes: Add never sends the source and member lists (they are set afterwards with Set); Set sends a port list
// only when one of its boxes is ticked, so a list cannot be emptied here; Delete sends RowStatus destroy alone.
// VLAN State, Replace Source IP and Remove All Added Lists are editable on a selected row only and left out of a
// SET while empty. The VLAN ID edit stays editable on a selected row: Set and Delete address the VLAN it holds.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

class TISMVLANForm : public TDedicatedForm {
public:
    explicit TISMVLANForm(ui::Component* owner);

    ui::ListView* lvISMVLAN = nullptr;
    ui::Edit* ED_VLANID = nullptr;
    ui::Edit* ED_VLANName = nullptr;
    ui::ComboBox* cbxVLANState = nullptr;
    ui::Edit* edtSourceIP = nullptr;
    ui::ComboBox* cbxRangeState = nullptr;  // Remove All Added Lists
    ui::Edit* RemapPriorityEdit = nullptr;
    ui::ComboBox* CBoxRaplacePriority = nullptr;
    ui::ComboBox* cbxStatus = nullptr;
    ui::Edit* edtRangeName = nullptr;  // hidden, in no request
    ui::StaticText* ST_Count2 = nullptr;
    ui::Button* RefreshBtn = nullptr;
    ui::Button* SetBtn = nullptr;
    ui::Button* AddBtn = nullptr;
    ui::Button* DeleteBtn = nullptr;
    ui::Button* btnStop = nullptr;
    ui::Button* btnClose = nullptr;

    TStackingPortUitForm* SourcePorts = nullptr;
    TStackingPortUitForm* MemberPorts = nullptr;
    TStackingPortUitForm* TaggedMemberPorts = nullptr;
    TStackingPortUitForm* UntaggedSourcePorts = nullptr;

    DialogTable& MulticastVlanTable;

    void FormCreate(ui::Component* sender) override;
    void RefreshBtnClick();
    void AddBtnClick();
    void SetBtnClick();
    void DeleteBtnClick();

protected:
    void RowSelectionChanged(bool selected) override;

private:
    // The editors of a selected row only: emptied and disabled.
    void LockRowOnlyEditors();
    // The optional columns whose editor is empty, for one SET.
    std::vector<int> EmptyOptionalColumns() const;
};

extern TISMVLANForm* ISMVLANForm;  // the open dialog, else null
