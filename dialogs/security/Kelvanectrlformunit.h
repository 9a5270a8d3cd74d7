#pragma once
// TKelvaneCtrlForm: the Kelvane engine (CPU protection): rising and falling thresholds (20 to 100), mode and alarm
// state, and the current status shown read-only. A scalar group on the dialog frame with a synchronous request
// and an apply box per writable field; Set is enabled only while a box is ticked.
//
// Rules a caller must know:
// - Set checks each ticked threshold (20 to 100), then sends each ticked field in a SET of its own: the thresholds
//   first (falling before rising when both are ticked and the new falling threshold is below the one last read),
//   then the mode, then the alarm state. A refused SET is reported and the next is still sent; an exception stops
//   the rest and shows in panel 0. The group is read again afterwards.
#include "ApplyBoxes.h"
#include "DedicatedForm.h"

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class Edit;
class Label;
class StatusBar;
}  // namespace ui

class TKelvaneCtrlForm : public TDedicatedForm {
public:
    explicit TKelvaneCtrlForm(ui::Component* owner);

    ui::CheckBox* ckRising = nullptr;
    ui::CheckBox* ckFalling = nullptr;
    ui::CheckBox* ckMode = nullptr;
    ui::CheckBox* ckAlarm = nullptr;
    ui::Edit* edtRising = nullptr;
    ui::Edit* edtFalling = nullptr;
    ui::ComboBox* cbxMode = nullptr;
    ui::ComboBox* cbxAlarm = nullptr;
    ui::ComboBox* cbxCurrentState = nullptr;
    ui::Label* lbFalling = nullptr;  // hidden: the falling threshold last read
    ui::Button* btnGet = nullptr;
    ui::Button* btnSet = nullptr;
    ui::Button* btnCheckAll = nullptr;
    ui::Button* btnClearCheck = nullptr;
    ui::Button* btnClose = nullptr;
    ui::StatusBar* stbStatus = nullptr;

    DialogTable& Kelvane;

    void FormCreate(ui::Component* sender) override;
    void btnGetClick();
    void btnSetClick();
    void ChangeSetState();

private:
    bool CheckThresholds();
    bool FallingFirst() const;
    void SetCheckedFields(bool fallingFirst);

    ApplyBoxes boxes_;
};

extern TKelvaneCtrlForm* KelvaneCtrlForm;  // the open dialog, else null
