#pragma once
// TCurrentTimeForm: the switch's clock, the time sources it supports (decoded from its capacity bits when a read
// ends) and whether its clock is reset on reboot; Set writes the clock alone. One asynchronous request; the dialog
// does not read again after Set.
#include "DedicatedForm.h"

#include <string>

namespace ui {
class Button;
class ComboBox;
class Edit;
class StaticText;
}  // namespace ui

class TCurrentTimeForm : public TDedicatedForm {
public:
    explicit TCurrentTimeForm(ui::Component* owner);

    ui::Edit* timecapacityEdit = nullptr;
    ui::Edit* currentclockEdit = nullptr;
    ui::ComboBox* cbxReset = nullptr;
    ui::StaticText* tempText = nullptr;  // hidden: the raw capacity value
    ui::Button* GetButton = nullptr;
    ui::Button* SetButton = nullptr;
    ui::Button* CloseButton = nullptr;

    DialogTable& TimeScalars;

    // The time sources of a capacity value (hex digits): a blank, then the names of its set bits.
    static std::string CapacityText(const std::string& capacityHex);

    void FormCreate(ui::Component* sender) override;
    void SetButtonClick();

private:
    void ShowCapacity();
};

extern TCurrentTimeForm* CurrentTimeForm;  // the open dialog, else null
