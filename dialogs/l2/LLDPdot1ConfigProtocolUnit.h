#pragma once
// TLLDPConfigProtocolForm: whether each port advertises its protocols in LLDPDUs (the LLDP dot1 TX-enable table;
// TLldpDot1ConfigBase).
#include "LldpDot1ConfigBase.h"

class TLLDPConfigProtocolForm : public TLldpDot1ConfigBase {
public:
    explicit TLLDPConfigProtocolForm(ui::Component* owner);
};

extern TLLDPConfigProtocolForm* LLDPConfigProtocolForm;  // the open dialog, else null
