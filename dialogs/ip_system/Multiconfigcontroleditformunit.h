#pragma once
// TMultiConfigControlEditForm: the edit form of the configuration control dialog (TMultipleConfigControlForm): the
// action of the selected configuration entry (its control ID shown, never changed). Its Set writes the action
// alone; for "active" it then holds the user in the progress box "Set Configuration" while the switch changes over.
#include "DialogEditForm.h"

namespace ui {
class Button;
class ComboBox;
}  // namespace ui

class TMultiConfigControlEditForm : public TDialogEditForm {
public:
    enum Column { ControlId, Action };

    TMultiConfigControlEditForm(ui::Form& dialog, DialogTable& table);
    ~TMultiConfigControlEditForm() override;

    ui::ComboBox* cbxCtrlID = nullptr;  // always disabled
    ui::ComboBox* cbxCfgAction = nullptr;
    ui::Button* btnSet = nullptr;
    ui::Button* btnClose = nullptr;

    void btnSetClick();
};

extern TMultiConfigControlEditForm* MultiConfigControlEditForm;  // the dialog's edit form while it exists, else null
