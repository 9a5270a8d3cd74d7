#pragma once
// TLLDPDot3PortConfigurationForm: the picker of the 802.3 TLVs for the LLDP dot3 port configuration dialog. Its
// powerViaMDI box is hidden: the picker keeps that bit of the edited text as it was.
#include "LldpTlvPicker.h"

class TLLDPDot3PortConfigurationForm : public TLldpTlvPicker {
public:
    TLLDPDot3PortConfigurationForm(ui::Component* owner, ui::Edit* tlvEdit);
    ~TLLDPDot3PortConfigurationForm() override;
};

extern TLLDPDot3PortConfigurationForm* LLDPDot3PortConfigurationForm;  // the picker while its dialog lives
