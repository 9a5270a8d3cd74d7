#pragma once
// TUserPrioritiesForm: the 802.1p traffic class of each port's user priorities (dot1dTrafficClassTable), rows
// without creation on one asynchronous request with a get-complete flag.
//
// Rules a caller must know:
// - Refresh while a walk runs says "Get data not complete!", Set "Get data not complete"; Stop sets the flag at once.
// - Set writes the class of the selected row and waits for the answer (processing events) before it reads the
//   table again; a refused or unanswered SET is reported, a caught exception goes to panel 0 as its bare message.
//   Stop ends the wait and the table is then not read. A close asked for during the wait is done after it.
// - After each Refresh or Set the port and priority show a single blank and the class edit is empty.
#include "DedicatedForm.h"

namespace ui {
class Button;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

class TUserPrioritiesForm : public TDedicatedForm {
public:
    explicit TUserPrioritiesForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* PortNumberText = nullptr;
    ui::StaticText* IndexText = nullptr;
    ui::Edit* ClassEdit = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* RefreshButton = nullptr;
    ui::Button* SetButton = nullptr;
    ui::Button* StopButton = nullptr;
    ui::Button* CloseButton = nullptr;

    DialogTable& TrafficClassRequest;

protected:
    void FormCreate(ui::Component* sender) override;

private:
    void RefreshButtonClick();
    void SetButtonClick();
    void ClearClassEditors();
};

extern TUserPrioritiesForm* UserPrioritiesForm;  // the open dialog, else null
