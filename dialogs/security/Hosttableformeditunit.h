#pragma once
// THostTableEditForm: the add form of the trusted hosts (THostTableForm), bound to the table dialog's request.
// Each Set creates one entry (createAndGo) on the index typed, with the IP address and, when its box is ticked,
// the subnet mask.
//
// Rules a caller must know:
// - With the IP box ticked the address is checked first (not empty, not 0.0.0.0 or 255.255.255.255, not 127.*,
//   a first group below 224, a valid dotted address); with it clear the text is sent as typed.
// - A ticked mask box needs a mask.
#include "DialogEditForm.h"

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class Edit;
}  // namespace ui

class THostTableEditForm : public TDialogEditForm {
public:
    THostTableEditForm(ui::Form& dialog, DialogTable& hosts);
    ~THostTableEditForm() override;

    enum Column { Index, IpAddress, RowStatus, SubnetMask };

    ui::Edit* IndexEdit = nullptr;
    ui::Edit* IpEdit = nullptr;
    ui::ComboBox* StatusComboBox = nullptr;
    ui::Edit* IPSubnetEdit = nullptr;
    ui::CheckBox* IndexCBox = nullptr;
    ui::CheckBox* IPCBox = nullptr;
    ui::CheckBox* StatusCBox = nullptr;
    ui::CheckBox* IPnetCBox = nullptr;
    ui::Button* SetButton = nullptr;
    ui::Button* CheckAllButton = nullptr;
    ui::Button* ClearButton = nullptr;
    ui::Button* CloseButton = nullptr;

    void SetButtonClick();
    void CheckAllButtonClick();
    void ClearButtonClick();

private:
    void PrepareBoxes();
    bool HostAddressPasses();
    ui::Button* NewButton(const char* name, const char* caption, int left, int top,
                          void (THostTableEditForm::*click)());
};

extern THostTableEditForm* HostTableEditForm;  // the table dialog's add form while it lives, else null
