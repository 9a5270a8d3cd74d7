#pragma once
// Tdot3ControlForm: the EtherLike MAC control table (dot3ControlTable), read only, with the unknown-opcode counter
// of the port clicked (the counter view of TDot3CounterForm). The functions a port supports show on check boxes,
// one per bit of the first octet; only the first (pause) is shown.
#include "Dot3CounterForm.h"

#include <vector>

namespace ui {
class CheckBox;
class Label;
}  // namespace ui

class Tdot3ControlForm : public TDot3CounterForm {
public:
    explicit Tdot3ControlForm(ui::Component* owner);

    ui::Label* Label1 = nullptr;
    std::vector<ui::CheckBox*> FunctionBoxes;  // CheckBox1 ... CheckBox8

protected:
    void BindEditors(DialogRequest& request) override;
    void ResetEditors() override;
    void EnableEditors() override;
};

extern Tdot3ControlForm* dot3ControlForm;  // the open dialog, else null
