#pragma once
// TRSPANForm: the RSPAN VLANs, each with its source ingress and egress ports, its redirect ports and the mirror
// group it belongs to; a row table with creation on one asynchronous request with a get-complete flag and a close
// guard.
//
// Rules a caller must know:
// - Add sends RowStatus createAndGo alone, Delete RowStatus destroy alone; Set never sends RowStatus.
// - The group rule: once some VLAN belongs to a mirror group (a group other than "0"), only rows with a group offer
//   (and send) their source ports and the group edit; rows without offer the redirect ports alone. While no VLAN
//   has a group, the source ports stay locked but are sent, and the group edit is open.
// - A group of "0" or nothing is not sent; any other number must lie in 1-4 ("Please input a number between 1-4.").
// - Set tests the get-complete flag only and leaves it set; the table is read again once the SET has answered
//   without error.
#include "DedicatedForm.h"

#include <vector>

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

class TRSPANForm : public TDedicatedForm {
public:
    explicit TRSPANForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::Edit* ED_VLANID = nullptr;
    ui::Edit* MirrorIDEdit = nullptr;
    ui::ComboBox* CBoxStatus = nullptr;  // hidden
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* RefreshBtn = nullptr;
    ui::Button* btnSet = nullptr;
    ui::Button* btnAdd = nullptr;
    ui::Button* btnDelete = nullptr;
    ui::Button* btnClose = nullptr;
    TStackingPortUitForm* IngressPorts = nullptr;
    TStackingPortUitForm* EgressPorts = nullptr;
    TStackingPortUitForm* RedirectPorts = nullptr;

    DialogTable& RspanTable;

protected:
    void FormCreate(ui::Component* sender) override;
    void RowSelectionChanged(bool selected) override;

private:
    void RefreshBtnClick();
    void btnSetClick();
    void btnAddClick();
    void btnDeleteClick();
    void LockAll();
    bool SomeRowHasGroup() const;
    bool SelectedRowHasGroup() const;
};

extern TRSPANForm* RSPANForm;  // the open dialog, else null
