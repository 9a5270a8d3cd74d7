#pragma once
// TNewBootpCtrlForm: the add form of the DHCP/BOOTP relay dialog (TBOOTCtrlTableForm): one server address for one
// interface, created by writing its State "valid" for the instance interface name.server address. An interface
// takes at most four servers; the server address must be a valid IP address.
#include "DialogEditForm.h"

namespace ui {
class Button;
class Edit;
class ListView;
}  // namespace ui

class TNewBootpCtrlForm : public TDialogEditForm {
public:
    enum Column { InterfaceName, ServerIp, State };
    // The State column's values.
    static constexpr int Invalid = 2;
    static constexpr int Valid = 3;

    TNewBootpCtrlForm(ui::Form& dialog, DialogTable& table, const ui::ListView& rows);
    ~TNewBootpCtrlForm() override;

    ui::Edit* Edit1 = nullptr;        // interface name
    ui::Edit* Edit2 = nullptr;        // server IP
    ui::Button* DeleteBtn = nullptr;  // "Set"
    ui::Button* BitBtn1 = nullptr;    // "Close"

    void DeleteBtnClick();

private:
    bool ServerChecksPass();

    const ui::ListView& rows_;
};

extern TNewBootpCtrlForm* NewBootpCtrlForm;  // the dialog's add form while it exists, else null
