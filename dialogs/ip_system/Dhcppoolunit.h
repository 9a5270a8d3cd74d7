#pragma once
// TDHCPPoolForm: the address pools of the switch's DHCP server (keyed by pool name), with the add/edit form
// TDHCPPoolEdtForm. Reads asynchronously and keeps a get-complete flag: Add, Edit, Delete and closing answer
// "Get data not complete" until the walk has ended. Delete sends RowStatus destroy alone; a walk's end enables Add
// and disables Delete. Status lines and errors show in panel 0.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ListView;
class StaticText;
}  // namespace ui

class TDHCPPoolEdtForm;

class TDHCPPoolForm : public TDedicatedForm {
public:
    explicit TDHCPPoolForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* btnRefresh = nullptr;
    ui::Button* btnAdd = nullptr;
    ui::Button* btnDel = nullptr;
    ui::Button* btnClose = nullptr;
    ui::Button* btnStop = nullptr;
    ui::Button* btnEdit = nullptr;

    DialogTable& PoolTable;
    TDHCPPoolEdtForm* EditForm = nullptr;

    void FormCreate(ui::Component* sender) override;
    void btnRefreshClick();
    void btnAddClick();
    void btnEditClick();
    void btnDelClick();

private:
    std::string EditTitle() const;
};

extern TDHCPPoolForm* DHCPPoolForm;  // the open dialog, else null
