#pragma once
// TIpCtrlForm: the switch's IP interfaces (the IP interface table, keyed by interface name), with the add/edit
// form TIPCtrlEdtForm. Reads asynchronously and keeps a get-complete flag: Add, Edit, Delete and closing answer
// "Get data not complete" until the walk has ended.
//
// Rules a caller must know:
// - The interface "System" is never deleted (Delete stays disabled on it and refuses it by any other path).
// - A primary interface is deleted only when no other interface shares its VLAN; a secondary always.
// - Delete sends RowStatus destroy alone; a walk's end enables Add and disables Delete.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ListView;
class StaticText;
}  // namespace ui

class TIPCtrlEdtForm;

class TIpCtrlForm : public TDedicatedForm {
public:
    explicit TIpCtrlForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* btnRefresh = nullptr;
    ui::Button* btnAdd = nullptr;
    ui::Button* btnDel = nullptr;
    ui::Button* btnClose = nullptr;
    ui::Button* btnStop = nullptr;
    ui::Button* btnEdit = nullptr;

    DialogTable& InterfaceTable;
    TIPCtrlEdtForm* EditForm = nullptr;

    void FormCreate(ui::Component* sender) override;
    void btnRefreshClick();
    void btnAddClick();
    void btnEditClick();
    void btnDelClick();

protected:
    void RowSelectionChanged(bool selected) override;

private:
    bool DeletionAllowed(const ui::ListItem& row);
};

extern TIpCtrlForm* IpCtrlForm;  // the open dialog, else null
