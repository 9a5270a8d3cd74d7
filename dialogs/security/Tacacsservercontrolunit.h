#pragma once
// TAAASrvCtrlForm: adds an authentication server to a named server group, or removes it, by writing one
// operation ("add" or "delete") to the membership row the user names (group, address, protocol). It shows no list:
// the table is read into a hidden list view.
//
// Rules a caller must know:
// - Set refuses an empty group name or address and an unchosen protocol or operation, in that order; otherwise
//   one SET carries the operation alone on the row's three-part instance. The answer comes asynchronously: the
//   status line (and an exception's message) in panel 0, a refusal in the library's message box. The controls
//   keep their contents and the table is not read again.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class ListView;
}  // namespace ui

class TAAASrvCtrlForm : public TDedicatedForm {
public:
    explicit TAAASrvCtrlForm(ui::Component* owner);

    ui::Edit* edtSrvGrpName = nullptr;
    ui::Edit* edtSrvIP = nullptr;
    ui::ComboBox* cbxAuthPtcl = nullptr;
    ui::ComboBox* cbxOper = nullptr;
    ui::ListView* lvOper = nullptr;  // hidden
    ui::Button* btnSet = nullptr;
    ui::Button* btnClose = nullptr;

    DialogTable& Members;

    void FormCreate(ui::Component* sender) override;
    void btnSetClick();
};

extern TAAASrvCtrlForm* AAASrvCtrlForm;  // the open dialog, else null
