#pragma once
// TDNSCtrlForm: the DNS relay's static table (keyed by domain name and IPv4 address), with the add form
// TDNSCtrlAddForm. An entry is created by writing its State "valid" and removed by writing "invalid"; every SET
// carries the State column alone. Reads asynchronously without a get-complete flag; Add and Delete stop a running
// walk and await its end first, and the binding reads the table again once a SET has answered without error, so
// the list shows each row once. Closing is never refused.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ListView;
class StaticText;
}  // namespace ui

class TDNSCtrlAddForm;

class TDNSCtrlForm : public TDedicatedForm {
public:
    explicit TDNSCtrlForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* btnGet = nullptr;
    ui::Button* btnAdd = nullptr;
    ui::Button* btnDelete = nullptr;
    ui::Button* btnClose = nullptr;

    DialogTable& DnsTable;
    TDNSCtrlAddForm* AddForm = nullptr;

    void FormCreate(ui::Component* sender) override;
    void btnGetClick();
    void btnAddClick();
    void btnDeleteClick();
};

extern TDNSCtrlForm* DNSCtrlForm;  // the open dialog, else null
