#pragma once
// TLLDPPortConfigurationForm: the picker of the basic TLVs (port description, system name, system description,
// system capabilities) for the LLDP port configuration dialog.
#include "LldpTlvPicker.h"

class TLLDPPortConfigurationForm : public TLldpTlvPicker {
public:
    TLLDPPortConfigurationForm(ui::Component* owner, ui::Edit* tlvEdit);
    ~TLLDPPortConfigurationForm() override;
};

extern TLLDPPortConfigurationForm* LLDPPortConfigurationForm;  // the picker while its dialog lives, else null
