#pragma once
// THostTableForm: the trusted hosts (up to 30), each an index with an IP address and an optional subnet mask. A row
// table on the dialog frame with one asynchronous request; entries are created on the add form THostTableEditForm
// and deleted here, never edited in place.
//
// Rules a caller must know:
// - Delete needs a selected row ("Choose the item first.") and an idle request ("Get data not complete"); it sends
//   destroy alone, and an exception it meets shows in panel 0.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ListView;
class StaticText;
}  // namespace ui

class THostTableEditForm;

class THostTableForm : public TDedicatedForm {
public:
    explicit THostTableForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* GetButton = nullptr;
    ui::Button* AddButton = nullptr;
    ui::Button* DeleteButton = nullptr;
    ui::Button* CloseButton = nullptr;

    DialogTable& Hosts;
    THostTableEditForm* EditForm = nullptr;

    void FormCreate(ui::Component* sender) override;
    void GetButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();

protected:
    void RowSelectionChanged(bool selected) override;

private:
    void AfterChange();
};

extern THostTableForm* HostTableForm;  // the open dialog, else null
