#pragma once
// TLLDPConfigProtocolVLANForm: whether each port advertises its protocol VLANs in LLDPDUs (the LLDP dot1 TX-enable
// table; TLldpDot1ConfigBase).
#include "LldpDot1ConfigBase.h"

class TLLDPConfigProtocolVLANForm : public TLldpDot1ConfigBase {
public:
    explicit TLLDPConfigProtocolVLANForm(ui::Component* owner);
};

extern TLLDPConfigProtocolVLANForm* LLDPConfigProtocolVLANForm;  // the open dialog, else null
