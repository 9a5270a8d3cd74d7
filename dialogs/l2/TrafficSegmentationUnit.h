#pragma once
// TTrafficSegmentationForm: per port of the switch (or the stack) the ports it may forward to, rows without creation
// on one asynchronous request with a get-complete flag; the forward ports of the selected row are edited on a port
// page. The menu command keeps no instance pointer.
//
// Rules a caller must know:
// - Refresh and Set say "Refresh not complete" until the current walk has ended (or Stop was pressed); Set does not
//   test busy and leaves the flag alone; closing is never refused.
// - The selected row's port shows as the unit's port (128 is unit 2 port 64, 129 unit 3 port 1).
// - Set sends the forward ports of the selected row alone; the table is read again once the SET has answered without
//   error. Afterwards the ports are unchecked, the port edits empty and Set disabled.
#include "DedicatedForm.h"

namespace ui {
class Button;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

class TTrafficSegmentationForm : public TDedicatedForm {
public:
    explicit TTrafficSegmentationForm(ui::Component* owner);

    ui::ListView* LV_TrafficForward = nullptr;
    ui::StaticText* ST_Port = nullptr;  // hidden: the selected row's port
    ui::Edit* Combo_Unit = nullptr;     // hidden
    ui::Edit* Combo_Port = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* BT_Get = nullptr;
    ui::Button* BT_Set = nullptr;
    ui::Button* StopBtn = nullptr;
    ui::Button* btnClose = nullptr;
    TStackingPortUitForm* ForwardPorts = nullptr;

    DialogTable& SegmentationTable;

protected:
    void FormCreate(ui::Component* sender) override;
    void RowSelectionChanged(bool selected) override;

private:
    void BT_SetClick();
};

extern TTrafficSegmentationForm* TrafficSegmentationForm;  // never set: the command keeps the dialog itself
