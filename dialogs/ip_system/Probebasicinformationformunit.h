#pragma once
// TProbeBasicInformationForm: the switch's RMON probe identity (software and hardware revisions; the capability
// names shown are a fixed text, not the switch's value) and its reset control, read and written synchronously.
// Set writes the reset control alone and reads nothing again.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
class StaticText;
}  // namespace ui

class TProbeBasicInformationForm : public TDedicatedForm {
public:
    explicit TProbeBasicInformationForm(ui::Component* owner);

    ui::StaticText* stCap = nullptr;
    ui::Edit* edtCap = nullptr;  // hidden: the switch's capabilities value
    ui::StaticText* stSoftware = nullptr;
    ui::StaticText* stHardware = nullptr;
    ui::ComboBox* cbxReset = nullptr;
    ui::Button* btnGet = nullptr;
    ui::Button* btnSet = nullptr;
    ui::Button* btnClose = nullptr;

    DialogTable& ProbeScalars;

    void FormCreate(ui::Component* sender) override;
    void btnSetClick();
};

extern TProbeBasicInformationForm* ProbeBasicInformationForm;  // the open dialog, else null
