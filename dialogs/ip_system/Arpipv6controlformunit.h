#pragma once
// TARPIPV6ControlForm: the switch's IPv6 neighbour cache (keyed by IPv6 address, MAC address and interface name),
// with the add form TARPIPv6ControlEditForm for static entries; entries are not changed in place. The request is
// synchronous: the table is read before the dialog shows, and every write and read blocks until answered.
// Delete sends RowStatus destroy alone.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ListView;
class StaticText;
}  // namespace ui

class TARPIPv6ControlEditForm;

class TARPIPV6ControlForm : public TDedicatedForm {
public:
    explicit TARPIPV6ControlForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* btnGet = nullptr;
    ui::Button* btnAdd = nullptr;
    ui::Button* btnDelete = nullptr;
    ui::Button* btnClose = nullptr;

    DialogTable& NeighbourTable;
    TARPIPv6ControlEditForm* EditForm = nullptr;

    void FormCreate(ui::Component* sender) override;
    void btnGetClick();
    void btnAddClick();
    void btnDeleteClick();
};

extern TARPIPV6ControlForm* ARPIPV6ControlForm;  // the open dialog, else null
