#pragma once
// TLLDPLocSysDataForm: the switch's own LLDP system data (lldpLocalSystemData), a read-only scalar group with
// Refresh and Close: chassis ID subtype and ID, system name and description, and the supported and enabled system
// capabilities as name texts (read into hidden texts as hex, shown as names when each read has ended).
//
// Rules a caller must know:
// - Refresh during a read starts no second one; the names are shown again from the values as they stand.
// - A failed read shows no error text; caught exceptions show their bare message in panel 0.
#include "DedicatedForm.h"

namespace ui {
class Button;
class Edit;
class StaticText;
}  // namespace ui

class TLLDPLocSysDataForm : public TDedicatedForm {
public:
    explicit TLLDPLocSysDataForm(ui::Component* owner);

    ui::StaticText* subtypeText = nullptr;
    ui::StaticText* IDText = nullptr;
    ui::StaticText* sysNameText = nullptr;
    ui::StaticText* sysDescText = nullptr;
    ui::Edit* CapSupportEdit = nullptr;
    ui::Edit* capEnableEdit = nullptr;
    ui::StaticText* tempText1 = nullptr;  // hidden: the supported capabilities as received
    ui::StaticText* tempText2 = nullptr;  // hidden: the enabled capabilities as received
    ui::Button* GetButton = nullptr;
    ui::Button* CloseButton = nullptr;

    DialogTable& SystemData;

    void ShowCapabilityNames();

protected:
    void FormCreate(ui::Component* sender) override;

private:
    void GetButtonClick();
};

extern TLLDPLocSysDataForm* LLDPLocSysDataForm;  // the open dialog, else null
