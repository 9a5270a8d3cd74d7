#pragma once
// TDVStateForm: the switch's double VLAN global state (2 disabled, 3 enabled), one scalar on an asynchronous
// request without a get-complete flag. Changing it resets the switch's system configuration: Set asks for
// confirmation (Cancel sends nothing), sends the state and holds the user in the progress box "Set Double VLAN
// State" for its 31 ticks, unless the switch refuses the SET, which is reported and ends the wait at once.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
}  // namespace ui

class TDVStateForm : public TDedicatedForm {
public:
    explicit TDVStateForm(ui::Component* owner);

    ui::ComboBox* cbxState = nullptr;
    ui::Button* btnGet = nullptr;
    ui::Button* btnSet = nullptr;
    ui::Button* btnClose = nullptr;

    DialogTable& StateTable;

    void FormCreate(ui::Component* sender) override;
    void btnGetClick();
    void btnSetClick();
};

extern TDVStateForm* DVStateForm;  // the open dialog, else null
