#pragma once
// TBOOTCtrlTableForm: the DHCP/BOOTP servers the switch relays to, per IP interface (keyed by interface name and
// server address), with the add form TNewBootpCtrlForm. An entry is created by writing its State "valid" and
// removed by writing "invalid"; every SET carries the State column alone. Reads asynchronously and keeps a
// get-complete flag: Add, Delete and closing answer "Get data not complete" until the walk has ended.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class ListView;
class StaticText;
}  // namespace ui

class TNewBootpCtrlForm;

class TBOOTCtrlTableForm : public TDedicatedForm {
public:
    explicit TBOOTCtrlTableForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* RefreshBtn = nullptr;
    ui::Button* DeleteBtn = nullptr;
    ui::Button* AddBtn = nullptr;
    ui::Button* CloseBtn = nullptr;
    ui::Button* btnStop = nullptr;
    ui::ComboBox* ComboBox1 = nullptr;  // hidden: the State column

    DialogTable& RelayTable;
    TNewBootpCtrlForm* AddForm = nullptr;

    void FormCreate(ui::Component* sender) override;
    void RefreshBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();
};

extern TBOOTCtrlTableForm* BOOTCtrlTableForm;  // the open dialog, else null
