#pragma once
// TAggregatorPortTableForm: the LACP aggregator port table, one row per port, rows without creation on one
// asynchronous request with a get-complete flag, Stop and a close guard. Edit writes the five writable columns of
// the selected row: the actor key, the partner system ID and key, and the actor and partner administration state
// octets, one check box per state bit (bit 0 the top bit: lacpActivity ... expired).
//
// Rules a caller must know:
// - Refresh does nothing and Edit says "Get data not complete" until the current walk has ended (the flag only,
//   not busy). After every walk the editors are enabled again, with or without a selected row.
// - Edit refuses a partner system ID that is not 12 hex digits ("Invalid MAC address") before any SET, then reads
//   the table again after the SET has answered.
// - Only the administration state tabs are shown.
#include "DedicatedForm.h"

#include <vector>

namespace ui {
class Button;
class CheckBox;
class Edit;
class ListView;
class StaticText;
class TabSheet;
}  // namespace ui

class TAggregatorPortTableForm : public TDedicatedForm {
public:
    explicit TAggregatorPortTableForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::Edit* edtActorKey = nullptr;
    ui::Edit* edtPartnerID = nullptr;
    ui::Edit* edtPartnerKey = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* GetBtn = nullptr;
    ui::Button* btnEdit = nullptr;
    ui::Button* btnStop = nullptr;
    ui::Button* btnClose = nullptr;
    // TabSheet1 "Actor Admin State" ... TabSheet4 "Partner Oper State"; CheckBoxes[k] is CheckBox(k + 1).
    std::vector<ui::TabSheet*> TabSheets;
    std::vector<ui::CheckBox*> CheckBoxes;

    DialogTable& AggregatorTable;

protected:
    void FormCreate(ui::Component* sender) override;
    void RowSelectionChanged(bool selected) override;

private:
    void BuildStateTabs();
    void btnEditClick();
    void GetBtnClick();
    void ClearAggregatorEditors();
    void EnableEditors();
    std::vector<ui::CheckBox*> StateBoxes(int tab) const;
};

extern TAggregatorPortTableForm* AggregatorPortTableForm;  // the open dialog, else null
