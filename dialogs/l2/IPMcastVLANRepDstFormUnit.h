#pragma once
// TIPMcastVLANRepDstForm: the destinations of IP multicast VLAN replication, keyed by a replication name and a VLAN
// ID, each with the ports replicated traffic goes to. A row table with Add and Delete but no Set (an entry's ports
// change by deleting and adding it again), without a get-complete flag: its guards test busy only.
//
// Add needs a name, a VLAN ID and the status "createAndGo" chosen by the user; it sends the ports with RowStatus 4.
// Delete sends the entry's ports with RowStatus destroy. The binding reads the table again once a SET has answered
// without error. The name is part of the instance only (its column has no OID of its own).
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

class TIPMcastVLANRepDstForm : public TDedicatedForm {
public:
    explicit TIPMcastVLANRepDstForm(ui::Component* owner);

    ui::ListView* LV_IPMcastVLANRepDstEntry = nullptr;
    ui::Edit* ED_Name = nullptr;
    ui::Edit* ED_MulticastVID = nullptr;
    ui::ComboBox* Status = nullptr;
    ui::StaticText* ST_Count = nullptr;
    ui::Button* RefreshBtn = nullptr;
    ui::Button* btnDelete = nullptr;
    ui::Button* AddBtn = nullptr;
    ui::Button* btnClose = nullptr;

    TStackingPortUitForm* Ports = nullptr;

    DialogTable& DestinationTable;

    void FormCreate(ui::Component* sender) override;
    void RefreshBtnClick();
    void AddBtnClick();
    void btnDeleteClick();

protected:
    void RowSelectionChanged(bool selected) override;

private:
    // Ready for a new entry: the keys and the status enabled and empty, Delete off, Add on.
    void AddState();
};

extern TIPMcastVLANRepDstForm* IPMcastVLANRepDstForm;  // the open dialog, else null
