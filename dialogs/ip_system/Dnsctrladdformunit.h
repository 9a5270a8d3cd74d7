#pragma once
// TDNSCtrlAddForm: the add form of the DNS relay dialog (TDNSCtrlForm): one domain name with its IPv4 address,
// created by writing its State "valid" (shown, not changeable) for the instance domain name.address. The binding
// reads the table again once the SET has answered without error.
#include "DialogEditForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
}  // namespace ui

class TDNSCtrlAddForm : public TDialogEditForm {
public:
    enum Column { DomainName, IpAddress, State };
    // The State column's values.
    static constexpr int Invalid = 2;
    static constexpr int Valid = 3;

    TDNSCtrlAddForm(ui::Form& dialog, DialogTable& table);
    ~TDNSCtrlAddForm() override;

    ui::Edit* edtName = nullptr;
    ui::Edit* edtIP = nullptr;
    ui::ComboBox* cbxState = nullptr;
    ui::Button* btnAdd = nullptr;
    ui::Button* btnClose = nullptr;

    void btnAddClick();
};

extern TDNSCtrlAddForm* DNSCtrlAddForm;  // the dialog's add form while it exists, else null
